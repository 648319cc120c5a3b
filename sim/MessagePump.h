// Waiting for the user interface without sleeping: this thread's messages are handled until a
// condition holds or a bound runs out. The one message loop of the tests, the stand-in and the
// benchmark.
#pragma once
#include <windows.h>
#include <functional>

// Handles every message already waiting; TRUE when there was one. With a property sheet, its
// dialog manager sees each message first (Tab, Enter, Esc, mnemonics), as in the shell's own loop.
bool PumpPending(HWND hSheet = nullptr);
// Handles this thread's messages until done() is true; FALSE when timeoutMs ran out first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
