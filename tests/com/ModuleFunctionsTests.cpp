// The C library functions the module ships instead of the runtime's, called in the module itself
// (module_probe.dll exports them under other names): the test program's own are MinGW's.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>

namespace {

struct ModuleFunctions {
    HMODULE module = ::LoadLibraryA("module_probe.dll");
    template <typename F> F* Get(const char* pszName) const {
        return reinterpret_cast<F*>(::GetProcAddress(module, pszName));
    }
    int (*strncmp)(const char*, const char*, size_t) = Get<int(const char*, const char*, size_t)>("ProbeStrncmp");
    const void* (*memchr)(const void*, int, size_t) = Get<const void*(const void*, int, size_t)>("ProbeMemchr");
    int (*memcmp)(const void*, const void*, size_t) = Get<int(const void*, const void*, size_t)>("ProbeMemcmp");
    void* (*memmove)(void*, const void*, size_t) = Get<void*(void*, const void*, size_t)>("ProbeMemmove");
    void* (*realloc)(void*, size_t) = Get<void*(void*, size_t)>("ProbeRealloc");
    void (*free)(void*) = Get<void(void*)>("ProbeFree");
    ~ModuleFunctions() { ::FreeLibrary(module); }
};

int Sign(int n) { return (n > 0) - (n < 0); }

TEST(ModuleFunctions, CompareAndSearchHonourTheCountAndTheNul) {
    const ModuleFunctions f;
    ASSERT_TRUE(f.strncmp && f.memchr && f.memcmp && f.memmove && f.realloc && f.free);
    // Bytes compare unsigned; nothing is read at a count of 0; strncmp stops at a NUL inside the
    // count, memcmp and memchr do not.
    struct { const char *a, *b; size_t n; int strncmp, memcmp; } rows[] = {
        { "a", "b", 0, 0, 0 },
        { "a", "b", 1, -1, -1 },
        { "b", "a", 1, 1, 1 },
        { "ab\0x", "ab\0y", 4, 0, -1 },
        { "\x80", "\x7f", 1, 1, 1 },
        { "PCI\\VEN_5333&DEV_5631\\0", "PCI\\VEN_5333&DEV_5631", 21, 0, 0 },
        { "PCI\\VEN_5333&DEV_5632", "PCI\\VEN_5333&DEV_5631", 21, 1, 1 },
        { "short", "shorter", 7, -1, -1 },
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Sign(f.strncmp(r.a, r.b, r.n)), r.strncmp) << r.a << " / " << r.b << " / " << r.n;
        EXPECT_EQ(Sign(f.memcmp(r.a, r.b, r.n)), r.memcmp) << r.a << " / " << r.b << " / " << r.n;
    }
    const char text[] = "a\0xA";
    EXPECT_EQ(f.memchr(text, 'x', 0), nullptr);
    EXPECT_EQ(f.memchr(text, 'a', 1), text);
    EXPECT_EQ(f.memchr(text, 'x', 1), nullptr);
    EXPECT_EQ(f.memchr(text, 'x', 3), text + 2);
    EXPECT_EQ(f.memchr(text, 0, 4), text + 1);
    EXPECT_EQ(f.memchr(text, 0x100 + 'A', 4), text + 3) << "the value is taken as an unsigned char";
}

TEST(ModuleFunctions, MemmoveCopiesOverlapsEitherWay) {
    const ModuleFunctions f;
    ASSERT_TRUE(f.memmove);
    struct { size_t to, from, n; const char* expected; } rows[] = {
        { 2, 0, 0, "0123456789" }, { 2, 0, 1, "0103456789" }, { 2, 0, 6, "0101234589" },
        { 0, 2, 6, "2345676789" }, { 3, 3, 4, "0123456789" },
    };
    for (const auto& r : rows) {
        char buffer[] = "0123456789";
        EXPECT_EQ(f.memmove(buffer + r.to, buffer + r.from, r.n), buffer + r.to);
        EXPECT_STREQ(buffer, r.expected) << r.to << " <- " << r.from << " x " << r.n;
    }
}

TEST(ModuleFunctions, ReallocGrowsAndShrinksKeepingTheContents) {
    const ModuleFunctions f;
    ASSERT_TRUE(f.realloc && f.free);
    char* p = static_cast<char*>(f.realloc(nullptr, 4));
    ASSERT_NE(p, nullptr);
    std::memcpy(p, "abc", 4);
    p = static_cast<char*>(f.realloc(p, 1 << 16));
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "abc");
    p[(1 << 16) - 1] = 'z';
    p = static_cast<char*>(f.realloc(p, 2));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::string(p, 2), "ab");
    EXPECT_EQ(f.realloc(p, 0), nullptr) << "a size of 0 frees the block";
    char* q = static_cast<char*>(f.realloc(nullptr, 0));
    EXPECT_NE(q, nullptr) << "a block of 0 bytes is still a block";
    f.free(q);
}

}  // namespace
