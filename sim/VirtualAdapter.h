// The virtual graphics adapter: stands in for the adapter's display driver and for the display
// mode change, neither of which exists on this machine. Plugged into a module by patching that
// module's imports of ExtEscape, ChangeDisplaySettingsA and GetSystemMetrics; every other escape
// and metric passes through.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include "ImportPatch.h"
#include "driver/RefreshEscapeRecord.h"

class VirtualAdapter {
public:
    VirtualAdapter();
    ~VirtualAdapter();
    VirtualAdapter(const VirtualAdapter&) = delete;
    VirtualAdapter& operator=(const VirtualAdapter&) = delete;

    // Answers the given module's escape and mode-change calls from now on (one module at a time).
    bool Plug(HMODULE module);
    void Unplug();

    // --- how the driver behaves ---
    int escapeSupport = 1;          // QUERYESCSUPPORT answer for the refresh escape
    int refreshResult = 1;          // ExtEscape result of the refresh escape
    bool writesReply = true;        // false: the driver leaves the record as it came
    SHORT limitMode = 0;            // the monitor's limit applies; LIMIT_NONE: no maximum
    SHORT maxRate = 85;
    SHORT currentRate = 60;         // the rate on the screen
    std::vector<SHORT> rates = { 60, 70, 72, 75, 85 };
    std::optional<RefreshEscapeRecord> rawReply;  // when set, the reply verbatim
    LONG modeChangeResult = DISP_CHANGE_SUCCESSFUL;
    // The resolution in force as the module's GetSystemMetrics reports it; 0 x 0: the real screen's.
    int screenWidth = 0, screenHeight = 0;
    // Runs while the driver handles a refresh query (e.g. to look at the registry then).
    std::function<void()> onRefreshQuery;
    // Last say over every refresh-escape reply (a driver may write any field).
    std::function<void(RefreshEscapeRecord&)> onReply;

    // --- what the product sent ---
    struct EscapeCall {
        HDC hdc;
        int escape;
        std::vector<BYTE> input;
        int outputSize;
    };
    std::vector<EscapeCall> escapes;
    struct ModeChange {
        DEVMODEA mode;  // the first dmSize bytes as sent, the rest zero
        DWORD flags;
    };
    std::vector<ModeChange> modeChanges;
    // The refresh-escape records sent, in order.
    std::vector<RefreshEscapeRecord> RefreshRequests() const;
    // The rate the last REFRESH_SET told the driver: from then on the driver reports it as its
    // current rate, whether or not a mode change put it on the screen.
    std::optional<int> toldRate;
    // The rate the display settings hold for the next start, once a mode change stored one (one
    // that worked, or one that waits for a restart).
    std::optional<int> storedRate;
    // The rate the driver reports as current.
    int ReportedRate() const { return toldRate.value_or(currentRate); }
    // Fills in what the driver answers a refresh query with (the whole record with rawReply).
    void AnswerQuery(RefreshEscapeRecord& record) const;

private:
    int ExtEscape(decltype(&::ExtEscape) real, HDC hdc, int escape, int inSize, LPCSTR in, int outSize, LPSTR out);
    LONG ChangeDisplaySettings(DEVMODEA* mode, DWORD flags);
    int HandleRefresh(RefreshEscapeRecord& record);

    std::unique_ptr<ImportPatch> m_extEscape;
    std::unique_ptr<ImportPatch> m_changeDisplaySettings;
    std::unique_ptr<ImportPatch> m_systemMetrics;
};
