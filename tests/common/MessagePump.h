// Waiting for the user interface without sleeping: messages are handled until a condition
// holds or a bound runs out.
#pragma once
#include <windows.h>
#include <functional>

// Handles this thread's messages until done() is true; FALSE when timeoutMs ran out first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Handles every message already waiting.
void PumpPending();
