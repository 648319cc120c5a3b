// The benchmark stops at the first step that does not do what it sets out to measure.
#pragma once
#include <cstdio>
#include <cstdlib>

inline void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "tavrolin_bench: %s\n", what);
    std::exit(1);
}
