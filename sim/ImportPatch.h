// Replaces one imported function of a loaded module by rewriting its import address table
// entry, and puts the original back when the patch goes out of scope. This is how the tests
// and the host stand in for hardware this machine lacks, without the product knowing.
#pragma once
#include <windows.h>

class ImportPatch {
public:
    // Patches `function` imported from `dll` (case-insensitive, e.g. "GDI32.dll") by `module`.
    ImportPatch(HMODULE module, const char* dll, const char* function, const void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // TRUE when the module imports the function and its entry now points at the replacement.
    bool Active() const { return m_pSlot != nullptr; }
    // The function the entry held before: call it to pass a call through.
    void* Original() const { return m_pOriginal; }

    // The IAT slot of `function` from `dll` in `module`, or nullptr when it is not imported.
    static void** FindSlot(HMODULE module, const char* dll, const char* function);

private:
    void** m_pSlot = nullptr;
    void* m_pOriginal = nullptr;
};

// Typed access to the original, e.g. OriginalOf<decltype(&ExtEscape)>(patch)(hdc, ...).
template <typename Fn> Fn OriginalOf(const ImportPatch& patch) { return reinterpret_cast<Fn>(patch.Original()); }
