#include "VirtualAdapter.h"
#include <algorithm>
#include <cstring>

namespace {
VirtualAdapter* g_pCurrent = nullptr;
}

VirtualAdapter::VirtualAdapter() = default;

VirtualAdapter::~VirtualAdapter() { Unplug(); }

VirtualAdapter* VirtualAdapter::Current() { return g_pCurrent; }

bool VirtualAdapter::Plug(HMODULE module) {
    Unplug();
    m_extEscape = std::make_unique<ImportPatch>(module, "GDI32.dll", "ExtEscape",
                                                reinterpret_cast<const void*>(&HookExtEscape));
    m_changeDisplaySettings = std::make_unique<ImportPatch>(
        module, "USER32.dll", "ChangeDisplaySettingsA", reinterpret_cast<const void*>(&HookChangeDisplaySettingsA));
    m_systemMetrics = std::make_unique<ImportPatch>(module, "USER32.dll", "GetSystemMetrics",
                                                    reinterpret_cast<const void*>(&HookGetSystemMetrics));
    g_pCurrent = this;
    return m_extEscape->Active();
}

void VirtualAdapter::Unplug() {
    m_extEscape.reset();
    m_changeDisplaySettings.reset();
    m_systemMetrics.reset();
    if (g_pCurrent == this) g_pCurrent = nullptr;
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

int VirtualAdapter::HandleRefresh(RefreshEscapeRecord& record) {
    if (record.wFunction == REFRESH_QUERY) {
        if (onRefreshQuery) onRefreshQuery();
        if (!writesReply) return refreshResult;
        if (rawReply) {
            record = *rawReply;
            return refreshResult;
        }
        record.wLimitMode = limitMode;
        record.wRefreshRate = static_cast<SHORT>(ReportedRate());
        record.wMaxRate = maxRate;
        std::memset(record.awRates, 0, sizeof record.awRates);
        for (size_t i = 0; i < rates.size() && i < MAX_LISTED_RATES; ++i) record.awRates[i] = rates[i];
    } else if (record.wFunction == REFRESH_SET) {
        toldRate = record.wRefreshRate;
    }
    return refreshResult;
}

int WINAPI VirtualAdapter::HookExtEscape(HDC hdc, int escape, int inSize, LPCSTR in, int outSize, LPSTR out) {
    VirtualAdapter* self = g_pCurrent;
    auto real = OriginalOf<decltype(&::ExtEscape)>(*self->m_extEscape);
    EscapeCall call = { hdc, escape, {}, outSize };
    if (in && inSize > 0) call.input.assign(in, in + inSize);
    self->escapes.push_back(call);

    if (escape == QUERYESCSUPPORT && in && inSize >= 4) {
        INT32 asked;
        std::memcpy(&asked, in, sizeof asked);
        if (asked == REFRESH_ESCAPE) return self->escapeSupport;
    }
    if (escape != REFRESH_ESCAPE) return real(hdc, escape, inSize, in, outSize, out);
    if (!in || inSize < static_cast<int>(sizeof(RefreshEscapeRecord))) return -1;

    RefreshEscapeRecord record;
    std::memcpy(&record, in, sizeof record);
    const int result = self->HandleRefresh(record);
    if (self->onReply && self->writesReply) self->onReply(record);
    if (out && outSize >= static_cast<int>(sizeof record) && self->writesReply) std::memcpy(out, &record, sizeof record);
    return result;
}

LONG WINAPI VirtualAdapter::HookChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags) {
    VirtualAdapter* self = g_pCurrent;
    ModeChange change = {};
    if (mode) std::memcpy(&change.mode, mode, std::min<size_t>(mode->dmSize, sizeof change.mode));
    change.flags = flags;
    self->modeChanges.push_back(change);
    if (mode && (mode->dmFields & DM_DISPLAYFREQUENCY)) {
        const LONG result = self->modeChangeResult;
        if (result == DISP_CHANGE_SUCCESSFUL) self->currentRate = static_cast<SHORT>(mode->dmDisplayFrequency);
        if ((result == DISP_CHANGE_SUCCESSFUL || result == DISP_CHANGE_RESTART) && (flags & CDS_UPDATEREGISTRY))
            self->storedRate = static_cast<int>(mode->dmDisplayFrequency);
    }
    return self->modeChangeResult;
}

int WINAPI VirtualAdapter::HookGetSystemMetrics(int index) {
    VirtualAdapter* self = g_pCurrent;
    if (index == SM_CXSCREEN && self->screenWidth) return self->screenWidth;
    if (index == SM_CYSCREEN && self->screenHeight) return self->screenHeight;
    return OriginalOf<decltype(&::GetSystemMetrics)>(*self->m_systemMetrics)(index);
}
