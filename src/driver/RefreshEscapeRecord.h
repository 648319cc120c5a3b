// The record the adapter driver's private refresh-rate escape carries in both directions:
// 22 little-endian 16-bit words, 44 bytes, the same layout for request and reply.
#pragma once
#include <windows.h>
#include <cstddef>

enum : int {
    REFRESH_ESCAPE = 21997,  // the driver's private escape number
};

enum : WORD {
    REFRESH_QUERY = 1,  // reply: current rate, maximum and the offered rates
    REFRESH_SET = 2,    // request: use wRefreshRate from now on
};

enum : SHORT {
    LIMIT_NONE = 2,  // wLimitMode: no maximum applies
};

constexpr int MAX_LISTED_RATES = 16;
constexpr int UNLIMITED_RATE = 1000;  // the maximum when the driver sets no limit

#pragma pack(push, 1)
struct RefreshEscapeRecord {
    WORD wSize;
    WORD wFunction;
    SHORT wLimitMode;
    SHORT wRefreshRate;
    SHORT wMaxRate;
    WORD wReserved;
    SHORT awRates[MAX_LISTED_RATES];  // ended by a 0 entry when fewer than 16
};
#pragma pack(pop)

static_assert(sizeof(RefreshEscapeRecord) == 44, "the driver exchanges exactly 44 bytes");
static_assert(offsetof(RefreshEscapeRecord, wFunction) == 2, "wire layout");
static_assert(offsetof(RefreshEscapeRecord, wLimitMode) == 4, "wire layout");
static_assert(offsetof(RefreshEscapeRecord, wRefreshRate) == 6, "wire layout");
static_assert(offsetof(RefreshEscapeRecord, wMaxRate) == 8, "wire layout");
static_assert(offsetof(RefreshEscapeRecord, wReserved) == 10, "wire layout");
static_assert(offsetof(RefreshEscapeRecord, awRates) == 12, "wire layout");

// The highest rate a reply allows to be offered.
int MaximumOfferedRate(const RefreshEscapeRecord& reply);
// How many leading entries of awRates a reply offers: taking stops at a 0 (or negative) entry,
// at the first entry above the maximum, or after the last entry.
int CountOfferedRates(const RefreshEscapeRecord& reply);
