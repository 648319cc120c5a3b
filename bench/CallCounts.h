// Counts the system calls a module makes, by function, through its import table: every function
// the shipped DLL imports but the process heap's. Calls are counted only while the counter is
// armed, so that one span of the product's own work can be told from its surroundings.
#pragma once
#include <windows.h>
#include <memory>
#include <vector>
#include "ImportPatch.h"

struct CallCount {
    const char* dll;
    const char* function;
    long calls;
};

class CallCounter {
public:
    explicit CallCounter(HMODULE module);
    CallCounter(const CallCounter&) = delete;
    CallCounter& operator=(const CallCounter&) = delete;

    void Arm(bool bArmed) { m_bArmed = bArmed; }
    // Every watched function, in the order watched (grouped by DLL), with its count so far.
    const std::vector<CallCount>& Counts() const { return m_counts; }

private:
    template <typename Fn> void Watch(const char* dll, const char* function);

    HMODULE m_module;
    bool m_bArmed = false;
    std::vector<CallCount> m_counts;
    std::vector<std::unique_ptr<ImportPatch>> m_hooks;
};

// The group a function's calls are reported in: "registry opens", "driver escapes", "GDI", ...
const char* CallGroup(const CallCount& count);
