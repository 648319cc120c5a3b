// The message stream: text and numbers collected, then shown with the owner given.
#include <gtest/gtest.h>
#include <climits>
#include <string>
#include "ScriptedUser.h"
#include "settings/MessageStream.h"

namespace {

TEST(MessageStreamTest, CollectsTextAndNumbersAndShowsThem) {
    ScriptedUser user;
    user.Answer(IDCANCEL);
    const HWND hWndOwner = reinterpret_cast<HWND>(0x1234);   // only the scripted box sees it
    CMessageStream stream(hWndOwner);
    EXPECT_STREQ(stream.GetText(), "");
    std::string expected;
    for (int i = 0; i < 40; ++i) {   // well past any first allocation
        stream << "rate " << i << ", ";
        expected += "rate " + std::to_string(i) + ", ";
    }
    stream << INT_MIN << nullptr << "";
    expected += std::to_string(INT_MIN);
    EXPECT_EQ(ShowMessage(stream, "Caption", MB_OKCANCEL), IDCANCEL);
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].owner, hWndOwner);
    EXPECT_EQ(user.boxes[0].text, expected);
    EXPECT_EQ(user.boxes[0].caption, "Caption");
    EXPECT_EQ(user.boxes[0].type, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_STREQ(stream.GetText(), expected.c_str()) << "the text stays in the stream";
}

}  // namespace
