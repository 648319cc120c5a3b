#include "RefreshEscapeRecord.h"

int MaximumOfferedRate(const RefreshEscapeRecord& reply) {
    return reply.wLimitMode == LIMIT_NONE ? UNLIMITED_RATE : reply.wMaxRate;
}

int CountOfferedRates(const RefreshEscapeRecord& reply) {
    const int maximum = MaximumOfferedRate(reply);
    int count = 0;
    // A rate of 0 ends the list; a negative one is no rate either, and would be put in force as a
    // huge frequency, so it ends the list too.
    while (count < MAX_LISTED_RATES && reply.awRates[count] > 0 && reply.awRates[count] <= maximum) ++count;
    return count;
}
