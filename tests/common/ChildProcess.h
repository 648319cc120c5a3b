// Programs a test starts as a user or the shell would: the build's own programs, and the
// system's setup command that installs an INF section.
#pragma once
#include <windows.h>
#include <string>

// The folder of the running test program, where the build puts its programs and the DLL.
std::string ProgramFolder();
// The folder holding what the release zip holds (TAVROLIN.DLL, TAVROLIN.INF, README.TXT).
std::string PackageFolder();
// Runs a command line to its end and returns its exit code; -1 when it could not be started or
// did not end within the bound (it is then ended). `output` receives what it printed, lines ending in "\n".
int RunProgram(const std::string& commandLine, std::string* output = nullptr, DWORD timeoutMs = 60000);
// Runs a setup command line as Windows 95 does, "RunDll setupx.dll,InstallHinfSection ..." (the
// Add/Remove Programs entry's command, say); returns as RunProgram does.
int RunSetupCommand(const std::string& command, DWORD timeoutMs = 60000);
// Runs an INF section the way right-click Install does on Windows 95. TRUE when the command ran
// to its end within the bound.
bool RunInfSection(const std::string& section, const std::string& infPath, DWORD timeoutMs = 60000);
