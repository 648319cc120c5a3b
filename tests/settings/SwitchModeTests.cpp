// Switching the display mode and what the user is told about it.
#include <gtest/gtest.h>
#include <cstring>
#include "ImportPatch.h"
#include "ScriptedUser.h"
#include "VirtualAdapter.h"
#include "settings/AdapterSettings.h"

namespace {

const DisplayMode kOld(16, 800, 600, 60);

// The settings object without the adapter in the registry: SwitchMode does not need it. The
// mode change goes to the virtual adapter, the message boxes to a scripted user.
class SwitchModeTest : public testing::Test {
protected:
    void SetUp() override {
        const HMODULE program = GetModuleHandleA(nullptr);
        ASSERT_TRUE(adapter.Plug(program));
        // Each is patched exactly when the program imports it: none may reach Wine.
        for (const char* function : {"ChangeDisplaySettingsA", "MessageBoxA", "ExitWindowsEx"})
            ASSERT_NE(ImportPatch::FindSlot(program, "USER32.dll", function), nullptr) << function;
    }

    // Switches from kOld to newMode and returns the one mode change asked for; the caller
    // learns the platform's result.
    VirtualAdapter::ModeChange Switch(const DisplayMode& newMode) {
        EXPECT_EQ(settings.SwitchMode(&newMode, &kOld), adapter.modeChangeResult);
        EXPECT_EQ(adapter.modeChanges.size(), 1u);
        return adapter.modeChanges.empty() ? VirtualAdapter::ModeChange{} : adapter.modeChanges.back();
    }

    VirtualAdapter adapter;
    ScriptedUser user;
    CAdapterSettings settings{64};
};

struct FieldsCase {
    const char* what;
    DisplayMode newMode;
    DWORD fields;
};

class SwitchModeFieldsTest : public SwitchModeTest, public testing::WithParamInterface<FieldsCase> {};

TEST_P(SwitchModeFieldsTest, AsksForTheFieldsThatDiffer) {
    const DisplayMode& newMode = GetParam().newMode;
    const VirtualAdapter::ModeChange change = Switch(newMode);
    EXPECT_EQ(change.flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
    EXPECT_EQ(change.mode.dmSize, 148);
    EXPECT_EQ(change.mode.dmFields, GetParam().fields);
    // All four fields are passed, whatever the flags say; everything else is zero.
    DEVMODEA expected{};
    expected.dmSize = 148;
    expected.dmFields = GetParam().fields;
    expected.dmBitsPerPel = newMode.bitsPerPixel;
    expected.dmPelsWidth = newMode.width;
    expected.dmPelsHeight = newMode.height;
    expected.dmDisplayFrequency = newMode.refreshRate;
    EXPECT_EQ(std::memcmp(&change.mode, &expected, 148), 0);
    EXPECT_TRUE(user.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SwitchModeFieldsTest,
    testing::Values(FieldsCase{"RefreshOnly", DisplayMode(16, 800, 600, 75), DM_DISPLAYFREQUENCY},
                    FieldsCase{"HeightOnly", DisplayMode(16, 800, 480, 60), 0},
                    FieldsCase{"WidthOnly", DisplayMode(16, 1024, 600, 60), DM_PELSWIDTH | DM_PELSHEIGHT},
                    FieldsCase{"DepthOnly", DisplayMode(8, 800, 600, 60), DM_BITSPERPEL},
                    FieldsCase{"Identical", kOld, 0},
                    FieldsCase{"Everything", DisplayMode(32, 1024, 768, 85),
                               DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY}),
    [](const testing::TestParamInfo<FieldsCase>& info) { return info.param.what; });

struct ResultCase {
    const char* what;
    LONG result;
    const char* text;
};

class SwitchModeResultTest : public SwitchModeTest, public testing::WithParamInterface<ResultCase> {};

TEST_P(SwitchModeResultTest, ShowsTheResultWithoutAnOwner) {
    adapter.modeChangeResult = GetParam().result;
    user.Answer(IDOK);
    Switch(DisplayMode(16, 800, 600, 75));
    ASSERT_EQ(user.boxes.size(), 1u);
    const ScriptedUser::Box& box = user.boxes[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, GetParam().text);
    EXPECT_EQ(box.caption, "Message");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(user.exits.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Results, SwitchModeResultTest,
    testing::Values(
        ResultCase{"Failed", DISP_CHANGE_FAILED, "The display driver failed the specified graphics mode."},
        ResultCase{"BadMode", DISP_CHANGE_BADMODE, "The graphics mode is not supported."},
        ResultCase{"NotUpdated", DISP_CHANGE_NOTUPDATED, "Windows NT only: Unable to write settings to the registry."},
        ResultCase{"BadFlags", DISP_CHANGE_BADFLAGS, "An invalid set of flags was passed in."},
        ResultCase{"BadParam", DISP_CHANGE_BADPARAM, "Unhandled return code."},
        ResultCase{"Unknown", 2, "Unhandled return code."},
        ResultCase{"FarOff", -1000, "Unhandled return code."}),
    [](const testing::TestParamInfo<ResultCase>& info) { return info.param.what; });

TEST_F(SwitchModeTest, SuccessShowsNothing) {
    adapter.modeChangeResult = DISP_CHANGE_SUCCESSFUL;
    Switch(DisplayMode(16, 800, 600, 75));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(user.exits.empty());
}

TEST_F(SwitchModeTest, ARestartAnsweredYesRestartsWindows) {
    adapter.modeChangeResult = DISP_CHANGE_RESTART;
    user.Answer(IDYES);
    Switch(DisplayMode(16, 800, 600, 75));
    ASSERT_EQ(user.boxes.size(), 1u);
    const ScriptedUser::Box& box = user.boxes[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, "The Windows must be restarted in order for the video mode to work.\n"
                        "Do you want to restart Windows?");
    EXPECT_EQ(box.caption, "Confirm");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO));
    ASSERT_EQ(user.exits.size(), 1u);
    EXPECT_EQ(user.exits[0].first, static_cast<UINT>(EWX_REBOOT));
    EXPECT_EQ(user.exits[0].second, 0u);
}

TEST_F(SwitchModeTest, ARestartAnsweredNoLeavesItPending) {
    adapter.modeChangeResult = DISP_CHANGE_RESTART;
    user.Answer(IDNO);
    Switch(DisplayMode(16, 800, 600, 75));
    EXPECT_EQ(user.boxes.size(), 1u);
    EXPECT_TRUE(user.exits.empty());
}

}  // namespace
