// Installing as a Windows 95 user does, on a Windows that has never seen the product: the
// release zip unpacked into a folder, or the floppy image's files, its INF installed as
// right-click Install does, the page shown by the Display Properties, and the product removed
// again through its Add/Remove Programs entry.
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <iterator>
#include <string>
#include "AdapterRegistry.h"
#include "ChildProcess.h"
#include "MachineListing.h"

namespace {

const char kClassId[] = "{545C341E-C432-4F2B-85B4-83DD2FDBA624}";
const std::string kClassKey = std::string("CLSID\\") + kClassId;
const std::string kServerKey = kClassKey + "\\InprocServer32";
const char kHandlersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Display\\shellex\\PropertySheetHandlers";
const std::string kHandlerKey = std::string(kHandlersKey) + "\\Tavrolin";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tavrolin";

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

std::string Lower(std::string text) {
    ::CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// How many of the Display handlers name this product's class.
int HandlersNamingTheClass() {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kHandlersKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    int count = 0;
    char name[MAX_PATH];
    for (DWORD i = 0; ::RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        count += ReadRegistryString(HKEY_LOCAL_MACHINE, std::string(kHandlersKey) + "\\" + name, nullptr) == kClassId;
    ::RegCloseKey(key);
    return count;
}

class Install : public ::testing::Test {
protected:
    Install() {
        char folder[MAX_PATH];
        ::GetSystemDirectoryA(folder, MAX_PATH);
        systemDll = std::string(folder) + "\\TAVROLIN.DLL";
        ::GetWindowsDirectoryA(folder, MAX_PATH);
        infCopy = std::string(folder) + "\\INF\\TAVROLIN.INF";
        ::GetFullPathNameA((ProgramFolder() + "\\..\\install-test").c_str(), MAX_PATH, folder, nullptr);
        unpacked = std::string(folder) + "\\zip";
        floppy = std::string(folder) + "\\floppy";
    }
    // Runs the command Add/Remove Programs runs for the product.
    void RemoveAsAddRemoveProgramsDoes() {
        const std::string command = ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
        ASSERT_FALSE(command.empty()) << "no Add/Remove Programs entry";
        ASSERT_NE(RunSetupCommand(command), -1) << command;
    }
    std::string systemDll, infCopy, unpacked, floppy;
};

TEST_F(Install, FromTheZipOrTheFloppyShownByTheShellAndRemovedWithoutATrace) {
    const std::string built = FileBytes(ProgramFolder() + "\\tavrolin.dll");
    ASSERT_FALSE(built.empty());
    for (const std::string& from : { unpacked, floppy }) {
        SCOPED_TRACE(from);
        const MachineListing before = ListMachine();
        ASSERT_TRUE(FileExists(from + "\\README.TXT")) << "the release files are not in " << from;
        ASSERT_TRUE(RunInfSection("DefaultInstall", from + "\\TAVROLIN.INF"));

        EXPECT_TRUE(FileBytes(systemDll) == built) << systemDll << " is not the built DLL";
        EXPECT_TRUE(FileExists(infCopy));
        EXPECT_EQ(Lower(ReadRegistryString(HKEY_CLASSES_ROOT, kServerKey, nullptr)), Lower(systemDll));
        EXPECT_EQ(ReadRegistryString(HKEY_CLASSES_ROOT, kServerKey, "ThreadingModel"), "Apartment");
        EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kHandlerKey, nullptr), kClassId);
        EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Tavrolin display settings page");
        EXPECT_EQ(Lower(ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString")),
                  Lower("RunDll setupx.dll,InstallHinfSection DefaultUninstall 132 " + infCopy));

        // The Display Properties stand-in builds its sheet through shell32's handler array.
        std::string output;
        ASSERT_EQ(RunProgram("\"" + ProgramFolder() + "\\display-properties.exe\" --report-tabs", &output), 0) << output;
        EXPECT_NE(output.find("tabs: Settings, Tavrolin\n"), std::string::npos) << output;
        EXPECT_NE(Lower(output).find("handler file: " + Lower(systemDll) + "\n"), std::string::npos) << output;

        RemoveAsAddRemoveProgramsDoes();
        EXPECT_FALSE(FileExists(systemDll));
        EXPECT_FALSE(FileExists(infCopy));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kHandlerKey));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        EXPECT_EQ(ListingChanges(before, ListMachine()), "");
    }
}

TEST_F(Install, RemovingNothingOrInstallingTwiceLeavesOneThatGoesAtOnce) {
    const std::string inf = unpacked + "\\TAVROLIN.INF";
    const MachineListing before = ListMachine();
    ASSERT_TRUE(RunInfSection("DefaultUninstall", inf));
    EXPECT_EQ(ListingChanges(before, ListMachine()), "") << "removing what is not installed";

    ASSERT_TRUE(RunInfSection("DefaultInstall", inf));
    ASSERT_TRUE(RunInfSection("DefaultInstall", inf));
    EXPECT_EQ(HandlersNamingTheClass(), 1);
    RemoveAsAddRemoveProgramsDoes();
    EXPECT_EQ(ListingChanges(before, ListMachine()), "") << "after two installs and one removal";
}

TEST_F(Install, FromAFolderWithoutTheDllRegistersNothing) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tavrolin-no-dll";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string inf = folder + "\\TAVROLIN.INF";
    ASSERT_TRUE(::CopyFileA((unpacked + "\\TAVROLIN.INF").c_str(), inf.c_str(), FALSE));
    const MachineListing before = ListMachine();

    // The setup engine asks for the missing file (Wine's asks again and again): a user who cannot
    // supply it gets no further, whether the command gives up or is ended at the bound.
    RunInfSection("DefaultInstall", inf, 30000);
    EXPECT_FALSE(FileExists(systemDll));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey)) << "registered: "
        << ReadRegistryString(HKEY_CLASSES_ROOT, kServerKey, nullptr);
    EXPECT_EQ(HandlersNamingTheClass(), 0);

    RunInfSection("DefaultUninstall", inf);
    ::DeleteFileA(inf.c_str());
    ::RemoveDirectoryA(folder.c_str());
    EXPECT_EQ(ListingChanges(before, ListMachine()), "");
}

}  // namespace
