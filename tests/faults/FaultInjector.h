// Makes one call of a module's imports fail as Windows 95 fails short of memory: out of USER or
// GDI heap, a registry call refused, a dialog or box that cannot be made. Calls to the functions
// it watches are numbered from 0 in the order the module makes them; the call numbered failAt
// fails (none when failAt is -1), every other one goes through. One injector at a time; arm it
// after any other patch of the same module, and let it go first.
#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include <vector>
#include "ImportPatch.h"

class FaultInjector {
public:
    FaultInjector(HMODULE module, long failAt);
    FaultInjector(const FaultInjector&) = delete;
    FaultInjector& operator=(const FaultInjector&) = delete;

    // Watched calls the module has made so far.
    long Calls() const { return m_nCalls; }
    // The function whose call failed, or empty while none has.
    const std::string& Failed() const { return m_failed; }

private:
    template <typename Fn, typename Handler> void Watch(const char* dll, const char* function, Handler handler);
    // Watches a function that answers `failure` when its call is the one to fail.
    template <typename Fn, typename Failure> void Fail(const char* dll, const char* function, Failure failure);
    // TRUE when this call is the one to fail.
    bool Fails(const char* function);

    HMODULE m_module;
    long m_nFailAt;
    long m_nCalls = 0;
    std::string m_failed;
    std::vector<std::unique_ptr<ImportPatch>> m_hooks;
};
