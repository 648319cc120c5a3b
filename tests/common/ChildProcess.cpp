#include "ChildProcess.h"

std::string ProgramFolder() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string PackageFolder() {
    char path[MAX_PATH];
    ::GetFullPathNameA((ProgramFolder() + "\\..\\package").c_str(), MAX_PATH, path, nullptr);
    return path;
}

int RunProgram(const std::string& commandLine, std::string* output, DWORD timeoutMs) {
    SECURITY_ATTRIBUTES sa = { sizeof sa, nullptr, TRUE };
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ::CreatePipe(&readEnd, &writeEnd, &sa, 0);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi = {};
    std::string command = commandLine;
    const BOOL started = ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(writeEnd);
    if (!started) {
        ::CloseHandle(readEnd);
        return -1;
    }
    // Read while waiting, so that neither a full pipe nor a program that never ends (or leaves a
    // child holding the pipe) can hold the test: at the bound the program is ended.
    std::string text;
    auto drain = [&] {
        char buffer[512];
        DWORD available = 0, read = 0;
        while (::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available &&
               ::ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read)
            text.append(buffer, read);
    };
    DWORD code = static_cast<DWORD>(-1);
    const DWORD start = ::GetTickCount();
    for (;;) {
        const bool ended = ::WaitForSingleObject(pi.hProcess, 20) == WAIT_OBJECT_0;
        drain();
        if (ended) {
            ::GetExitCodeProcess(pi.hProcess, &code);
            break;
        }
        if (::GetTickCount() - start >= timeoutMs) {
            ::TerminateProcess(pi.hProcess, code);
            ::WaitForSingleObject(pi.hProcess, 10000);
            break;
        }
    }
    ::CloseHandle(readEnd);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    if (output) {
        // Its lines end in "\n" as they do in C, whatever the program's stdout mode was.
        output->clear();
        for (char c : text)
            if (c != '\r') output->push_back(c);
    }
    return static_cast<int>(code);
}

int RunSetupCommand(const std::string& command, DWORD timeoutMs) {
    // Wine's 16-bit rundll only starts rundll32 with the line cut to 127 characters and returns
    // at once, and its setupx hands the line to setupapi: the same engine, run here to its end.
    const std::string setupx = "RunDll setupx.dll,";
    if (::lstrcmpiA(command.substr(0, setupx.size()).c_str(), setupx.c_str()))
        return RunProgram(command, nullptr, timeoutMs);
    return RunProgram("rundll32.exe setupapi.dll," + command.substr(setupx.size()), nullptr, timeoutMs);
}

bool RunInfSection(const std::string& section, const std::string& infPath, DWORD timeoutMs) {
    // 132: the INF's own folder is where the files come from; ask before any restart.
    return RunSetupCommand("RunDll setupx.dll,InstallHinfSection " + section + " 132 " + infPath, timeoutMs) != -1;
}
