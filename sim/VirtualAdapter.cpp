#include "VirtualAdapter.h"
#include <algorithm>
#include <cstring>

VirtualAdapter::VirtualAdapter() = default;

VirtualAdapter::~VirtualAdapter() { Unplug(); }

bool VirtualAdapter::Plug(HMODULE module) {
    Unplug();
    m_extEscape = std::make_unique<ImportHook<decltype(&::ExtEscape)>>(
        module, "GDI32.dll", "ExtEscape", [this](auto real, HDC hdc, int escape, int inSize, LPCSTR in, int outSize, LPSTR out) {
            return ExtEscape(real, hdc, escape, inSize, in, outSize, out);
        });
    m_changeDisplaySettings = std::make_unique<ImportHook<decltype(&::ChangeDisplaySettingsA)>>(
        module, "USER32.dll", "ChangeDisplaySettingsA", [this](auto, DEVMODEA* mode, DWORD flags) { return ChangeDisplaySettings(mode, flags); });
    m_systemMetrics = std::make_unique<ImportHook<decltype(&::GetSystemMetrics)>>(
        module, "USER32.dll", "GetSystemMetrics", [this](auto real, int index) {
            if (index == SM_CXSCREEN && screenWidth) return screenWidth;
            if (index == SM_CYSCREEN && screenHeight) return screenHeight;
            return real(index);
        });
    return m_extEscape->Active();
}

void VirtualAdapter::Unplug() {
    m_extEscape.reset();
    m_changeDisplaySettings.reset();
    m_systemMetrics.reset();
}

std::vector<RefreshEscapeRecord> VirtualAdapter::RefreshRequests() const {
    std::vector<RefreshEscapeRecord> requests;
    for (const EscapeCall& call : escapes) {
        if (call.escape != REFRESH_ESCAPE) continue;
        RefreshEscapeRecord record = {};
        std::memcpy(&record, call.input.data(), std::min(call.input.size(), sizeof record));
        requests.push_back(record);
    }
    return requests;
}

void VirtualAdapter::AnswerQuery(RefreshEscapeRecord& record) const {
    if (rawReply) {
        record = *rawReply;
        return;
    }
    record.wLimitMode = limitMode;
    record.wRefreshRate = static_cast<SHORT>(ReportedRate());
    record.wMaxRate = maxRate;
    std::memset(record.awRates, 0, sizeof record.awRates);
    for (size_t i = 0; i < rates.size() && i < MAX_LISTED_RATES; ++i) record.awRates[i] = rates[i];
}

int VirtualAdapter::HandleRefresh(RefreshEscapeRecord& record) {
    if (record.wFunction == REFRESH_QUERY) {
        if (onRefreshQuery) onRefreshQuery();
        if (writesReply) AnswerQuery(record);
    } else if (record.wFunction == REFRESH_SET) {
        toldRate = record.wRefreshRate;
    }
    return refreshResult;
}

int VirtualAdapter::ExtEscape(decltype(&::ExtEscape) real, HDC hdc, int escape, int inSize, LPCSTR in, int outSize,
                              LPSTR out) {
    EscapeCall call = { hdc, escape, {}, outSize };
    if (in && inSize > 0) call.input.assign(in, in + inSize);
    escapes.push_back(call);

    if (escape == QUERYESCSUPPORT && in && inSize >= 4) {
        INT32 asked;
        std::memcpy(&asked, in, sizeof asked);
        if (asked == REFRESH_ESCAPE) return escapeSupport;
    }
    if (escape != REFRESH_ESCAPE) return real(hdc, escape, inSize, in, outSize, out);
    if (!in || inSize < static_cast<int>(sizeof(RefreshEscapeRecord))) return -1;

    RefreshEscapeRecord record;
    std::memcpy(&record, in, sizeof record);
    const int result = HandleRefresh(record);
    if (onReply && writesReply) onReply(record);
    if (out && outSize >= static_cast<int>(sizeof record) && writesReply) std::memcpy(out, &record, sizeof record);
    return result;
}

LONG VirtualAdapter::ChangeDisplaySettings(DEVMODEA* mode, DWORD flags) {
    ModeChange change = {};
    if (mode) std::memcpy(&change.mode, mode, std::min<size_t>(mode->dmSize, sizeof change.mode));
    change.flags = flags;
    modeChanges.push_back(change);
    if (mode && (mode->dmFields & DM_DISPLAYFREQUENCY)) {
        // The NT family's -3: the mode switched, only recording it failed.
        if (modeChangeResult == DISP_CHANGE_SUCCESSFUL || modeChangeResult == DISP_CHANGE_NOTUPDATED)
            currentRate = static_cast<SHORT>(mode->dmDisplayFrequency);
        if ((modeChangeResult == DISP_CHANGE_SUCCESSFUL || modeChangeResult == DISP_CHANGE_RESTART) &&
            (flags & CDS_UPDATEREGISTRY))
            storedRate = static_cast<int>(mode->dmDisplayFrequency);
    }
    return modeChangeResult;
}
