// Replaces one imported function of a loaded module by rewriting its import address table
// entry, and puts the original back when the patch goes out of scope. This is how the tests
// and the host stand in for hardware this machine lacks, and watch what a module asks of the
// system, without the product knowing.
#pragma once
#include <windows.h>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

// One function a loaded module imports, as its import table lists it.
struct ImportEntry {
    const char* dll;       // the DLL's name as the table spells it
    const char* function;  // nullptr when imported by ordinal, or when the table keeps no names
    WORD ordinal;          // when imported by ordinal, else 0
    void** slot;           // its entry in the import address table
};
// Every function a loaded module imports, in table order.
std::vector<ImportEntry> ReadImports(HMODULE module);

class ImportPatch {
public:
    // Patches `function` imported from `dll` (case-insensitive, e.g. "GDI32.dll") by `module`.
    ImportPatch(HMODULE module, const char* dll, const char* function, const void* replacement);
    virtual ~ImportPatch() { Unpatch(); }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // TRUE when the module imports the function and its entry now points at the replacement.
    bool Active() const { return m_pSlot != nullptr; }
    // The function the entry held before: call it to pass a call through.
    void* Original() const { return m_pOriginal; }

    // The IAT slot of `function` from `dll` in `module`, or nullptr when it is not imported.
    static void** FindSlot(HMODULE module, const char* dll, const char* function);

protected:
    // Puts the original back now; nothing more happens at the end.
    void Unpatch();

private:
    void** m_pSlot = nullptr;
    void* m_pOriginal = nullptr;
};

// An import patch whose replacement is a handler: any function object, called with the function
// the entry held before (to pass the call on) and then the call's own arguments. The spies,
// fakes and fault injectors of the tests and the host are all made of these; each keeps what it
// learns in its own members.
//
//   ImportHook<decltype(&::SetTimer)> timers(module, "USER32.dll", "SetTimer",
//       [&](auto real, HWND hWnd, UINT_PTR id, UINT ms, TIMERPROC proc) { ...; return real(hWnd, id, ms, proc); });
template <typename Fn> class ImportHook;

template <typename R, typename... A> class ImportHook<R(WINAPI*)(A...)> : public ImportPatch {
public:
    using Function = R(WINAPI*)(A...);
    using Handler = std::function<R(Function original, A... args)>;

    ImportHook(HMODULE module, const char* dll, const char* function, Handler handler)
        : ImportHook(module, dll, function, std::move(handler), FreeSlot()) {}
    ~ImportHook() override {
        Unpatch();
        s_hooks[m_nSlot] = nullptr;
    }

    // The function the entry held before.
    Function Original() const { return reinterpret_cast<Function>(ImportPatch::Original()); }

private:
    // The entry needs a plain function: each live hook of this function type has a thunk of its
    // own that finds it. This many may live at once (patches over patches of one function, or
    // several functions of the same type).
    static constexpr size_t kSlots = 8;

    ImportHook(HMODULE module, const char* dll, const char* function, Handler handler, size_t slot)
        : ImportPatch(module, dll, function, Claim(slot, this)), m_handler(std::move(handler)), m_nSlot(slot) {}

    static size_t FreeSlot() {
        for (size_t i = 0; i < kSlots; ++i)
            if (!s_hooks[i]) return i;
        std::fputs("ImportHook: too many hooks of one function type at once\n", stderr);
        std::abort();
    }
    static const void* Claim(size_t slot, ImportHook* hook) {
        s_hooks[slot] = hook;
        return reinterpret_cast<const void*>(kThunks[slot]);
    }
    template <size_t I> static R WINAPI Thunk(A... args) {
        const ImportHook* self = s_hooks[I];
        return self->m_handler(self->Original(), args...);
    }
    template <size_t... I> static constexpr std::array<Function, kSlots> Thunks(std::index_sequence<I...>) {
        return { &Thunk<I>... };
    }

    static constexpr std::array<Function, kSlots> kThunks = Thunks(std::make_index_sequence<kSlots>());
    inline static ImportHook* s_hooks[kSlots] = {};

    Handler m_handler;
    size_t m_nSlot;
};
