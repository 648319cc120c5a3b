// The module's own text formatting, which registry paths, stored values and labels are made with:
// each conversion, and a text cut to the buffer it is given.
#include <gtest/gtest.h>
#include <climits>
#include <string>
#include "framework/FormatText.h"

namespace {

struct Formatted {
    std::string text;
    int count;
};

template <typename... Args> Formatted Format(std::size_t nSize, const char* pszFormat, Args... args) {
    char buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    const int count = FormatText(buffer, nSize, pszFormat, args...);
    return { std::string(buffer, nSize ? std::char_traits<char>::length(buffer) : 0), count };
}

void Expect(const Formatted& f, const std::string& text) {
    EXPECT_EQ(f.text, text);
    EXPECT_EQ(f.count, static_cast<int>(text.size()));
}

TEST(FormatText, EachConversion) {
    Expect(Format(64, "%d|%d|%d", 0, -7, INT_MIN), "0|-7|-2147483648");
    Expect(Format(64, "%u", UINT_MAX), "4294967295");
    Expect(Format(64, "%s|%s", "Enum\\", static_cast<const char*>(nullptr)), "Enum\\|(null)");
    Expect(Format(64, "%p|%p", reinterpret_cast<void*>(0x1234abcd), static_cast<void*>(nullptr)), "1234ABCD|00000000");
    Expect(Format(64, "100%% at the end %"), "100% at the end %");
    // A conversion it does not have ends the text: no later argument could be found.
    Expect(Format(64, "a%xb%d", 5u, 6), "a");
}

TEST(FormatText, CutsToTheBufferAndTerminates) {
    Expect(Format(5, "%d", 123456), "1234");
    Expect(Format(4, "%s!", "ab"), "ab!");
    Expect(Format(3, "%s!", "ab"), "ab");
    Expect(Format(1, "%d", 7), "");
    char untouched = '#';
    EXPECT_EQ(FormatText(&untouched, 0, "%d", 7), 0);
    EXPECT_EQ(untouched, '#') << "a buffer of no size is not written";
}

TEST(FormatText, InsertNumberReplacesTheFirstNumberOnly) {
    char buffer[16];
    EXPECT_EQ(InsertNumber(buffer, sizeof buffer, "%d Hz %d 100%", 60), 13);
    EXPECT_STREQ(buffer, "60 Hz %d 100%");
    EXPECT_EQ(InsertNumber(buffer, 4, "%d Hz", -100), 3);
    EXPECT_STREQ(buffer, "-10");
}

}  // namespace
