// The escape holder and the offered-rates rule, against the virtual adapter's driver.
#include <gtest/gtest.h>
#include <cstring>
#include <vector>
#include "ResourceLedger.h"
#include "VirtualAdapter.h"
#include "driver/DriverEscape.h"

namespace {

class DriverEscapeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(adapter.Plug(::GetModuleHandleA(nullptr))); }
    VirtualAdapter adapter;
};

TEST_F(DriverEscapeTest, HolderTakesAndGivesBackTheScreenDC) {
    ResourceLedger ledger;
    {
        CDriverEscape escape(nullptr);
        EXPECT_EQ(ledger.HeldDCs(), 1u);
        escape.QueryRefresh();
        escape.Attach(nullptr);  // a second attach gives the first DC back
        EXPECT_EQ(ledger.HeldDCs(), 1u);
    }
    EXPECT_EQ(ledger.DCsTaken(), 2u);
    EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
}

TEST_F(DriverEscapeTest, QueryEscSupportAsksAboutTheEscapeNumber) {
    CDriverEscape escape(nullptr);
    adapter.escapeSupport = 1;
    EXPECT_EQ(escape.QueryEscSupport(21997), 1);
    ASSERT_EQ(adapter.escapes.size(), 1u);
    EXPECT_EQ(adapter.escapes[0].escape, QUERYESCSUPPORT);
    EXPECT_EQ(adapter.escapes[0].input, (std::vector<BYTE>{ 0xED, 0x55, 0, 0 }));
    EXPECT_EQ(adapter.escapes[0].outputSize, 0);
}

TEST_F(DriverEscapeTest, FirstRequestCarriesAFreshRecord) {
    CDriverEscape escape(nullptr);
    escape.SetRefresh(0x12340055);  // only the low 16 bits go to the driver
    const std::vector<RefreshEscapeRecord> sent = adapter.RefreshRequests();
    ASSERT_EQ(sent.size(), 1u);
    RefreshEscapeRecord expected = {};
    expected.wSize = 44;
    expected.wFunction = REFRESH_SET;
    expected.wRefreshRate = 0x55;
    EXPECT_EQ(std::memcmp(&sent[0], &expected, sizeof expected), 0);
    EXPECT_EQ(adapter.escapes[0].escape, 21997);
    EXPECT_EQ(adapter.escapes[0].input.size(), 44u);
    EXPECT_EQ(adapter.escapes[0].outputSize, 44);
}

TEST_F(DriverEscapeTest, LaterRequestsSendWhatTheLastReplyLeft) {
    RefreshEscapeRecord reply = {};
    reply.wSize = 0x1111;
    reply.wFunction = 0x2222;
    reply.wLimitMode = 3;
    reply.wRefreshRate = 72;
    reply.wMaxRate = 85;
    reply.wReserved = 0x7777;
    for (int i = 0; i < MAX_LISTED_RATES; ++i) reply.awRates[i] = static_cast<SHORT>(100 + i);
    adapter.rawReply = reply;

    CDriverEscape escape(nullptr);
    escape.QueryRefresh();
    EXPECT_EQ(escape.Reply().wRefreshRate, 72);
    EXPECT_EQ(escape.GetListedRate(15), 115);
    escape.SetRefresh(60);
    escape.SetRefresh(75);

    const std::vector<RefreshEscapeRecord> sent = adapter.RefreshRequests();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].wFunction, REFRESH_QUERY);
    RefreshEscapeRecord expected = reply;
    expected.wFunction = REFRESH_SET;
    expected.wRefreshRate = 60;
    EXPECT_EQ(std::memcmp(&sent[1], &expected, sizeof expected), 0);
    expected.wRefreshRate = 75;
    EXPECT_EQ(std::memcmp(&sent[2], &expected, sizeof expected), 0);
}

TEST_F(DriverEscapeTest, UnansweredQueryLeavesTheFreshRecord) {
    adapter.writesReply = false;
    adapter.refreshResult = -1;
    CDriverEscape escape(nullptr);
    EXPECT_EQ(escape.QueryRefresh(), -1);
    EXPECT_EQ(escape.Reply().wRefreshRate, 0);
    EXPECT_EQ(MaximumOfferedRate(escape.Reply()), 0);
    EXPECT_EQ(CountOfferedRates(escape.Reply()), 0);
}

RefreshEscapeRecord Reply(SHORT limitMode, SHORT maxRate, std::vector<SHORT> rates) {
    RefreshEscapeRecord r = {};
    r.wSize = 44;
    r.wLimitMode = limitMode;
    r.wMaxRate = maxRate;
    for (size_t i = 0; i < rates.size() && i < MAX_LISTED_RATES; ++i) r.awRates[i] = rates[i];
    return r;
}

TEST(OfferedRates, StopAtZeroAboveTheMaximumOrAfterSixteen) {
    // A limit applies: taking stops at the first rate above it, even if smaller ones follow.
    EXPECT_EQ(CountOfferedRates(Reply(0, 75, { 60, 70, 72, 75, 85, 60, 0 })), 4);
    // No limit: the maximum is 1000, so rates above wMaxRate are taken up to the first 0.
    EXPECT_EQ(MaximumOfferedRate(Reply(LIMIT_NONE, 60, {})), 1000);
    EXPECT_EQ(CountOfferedRates(Reply(LIMIT_NONE, 60, { 60, 70, 85, 0, 90 })), 3);
    EXPECT_EQ(CountOfferedRates(Reply(LIMIT_NONE, 60, { 60, 1000, 1001, 70 })), 2);
    // Sixteen rates within the limit: all sixteen, nothing beyond the record.
    std::vector<SHORT> sixteen;
    for (SHORT r = 60; r < 76; ++r) sixteen.push_back(r);
    EXPECT_EQ(CountOfferedRates(Reply(0, 100, sixteen)), 16);
    // Other limit modes all mean that wMaxRate applies; signed comparison.
    EXPECT_EQ(CountOfferedRates(Reply(1, 70, { 60, 70, 71 })), 2);
    EXPECT_EQ(CountOfferedRates(Reply(0, -1, { 60 })), 0);
    EXPECT_EQ(CountOfferedRates(Reply(0, 85, { -5, 60 })), 0) << "a negative rate is no rate";
    EXPECT_EQ(CountOfferedRates(Reply(LIMIT_NONE, 0, { 60, 70, -27521, 75 })), 2);
    EXPECT_EQ(CountOfferedRates(Reply(0, 85, {})), 0);
}

}  // namespace
