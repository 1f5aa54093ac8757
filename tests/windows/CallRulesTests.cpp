// Proves the call page's rules apart from any window: the party a placed call shows, the peer
// and call type a history row keeps (a call answered within its first second still counts as
// answered), the sound and DTMF of each key, what each keyboard key types, and the
// conference's list of sessions.
#include "core/TextConvert.h"
#include "windows/call/CallHistoryRow.h"
#include "windows/call/Conference.h"
#include "windows/call/KeyTones.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(CallRules, ADialledAddressShowsItsUserPart)
{
    const struct {
        const char* address;
        const char* party;
    } kCases[] = {
        {"sip:bob@sip.example", "bob"}, {"bob@sip.example", "bob"},  {"5551234", "5551234"},
        {"sip:5551234", "5551234"},     {"", ""},                    {"x sip:bob@a@b", "bob"},
        {"@sip.example", ""},
    };
    for (const auto& row : kCases)
        EXPECT_EQ(row.party, DialledPartyName(row.address)) << row.address;
}

TEST(CallRules, APeerAtTheAccountsServerIsKeptAsItsUserPartAnyOtherWhole)
{
    const struct {
        const char* peer;
        const char* proxy;
        const char* kept;
    } kCases[] = {
        {"sip:bob@sip.example", "sip.example", "bob"},
        {"bob@sip.example", "sip.example", "bob"},
        {"sip:bob@other.example", "sip.example", "sip:bob@other.example"},
        {"5551234", "sip.example", "5551234"},
        {"o'brien@sip.example", "sip.example", "o'brien"},
        // "@" + the server anywhere in the peer counts, a longer name that starts with it too;
        // without the "@" right before it, it does not.
        {"sip:bob@sip.example.org", "sip.example", "bob"},
        {"sip:bob@xsip.example", "sip.example", "sip:bob@xsip.example"},
    };
    for (const auto& row : kCases)
        EXPECT_EQ(row.kept, HistoryPeer(row.peer, row.proxy)) << row.peer;
}

TEST(CallRules, TheRowsTypeFollowsTheDirectionAndWhetherTheCallConnected)
{
    const struct {
        int storedType;
        std::uint32_t startTick;
        std::uint32_t endTick;
        int callType;
        const char* duration;
        const char* number;
    } kCases[] = {
        {1, 1000, 66000, 1, "00:01:05", "bob"},
        {1, 0, 66000, 3, "00:00:00", "bob"},
        {2, 1000, 3601000, 2, "01:00:00", "carol"},
        {2, 0, 5000, 4, "00:00:00", "carol"},
        // Answered and ended within a second: answered, though the duration reads zero.
        {1, 1000, 1500, 1, "00:00:00", "bob"},
        {2, 1000, 1999, 2, "00:00:00", "carol"},
        {7, 1000, 5000, 7, "00:00:04", ""},
    };
    for (const auto& row : kCases) {
        SessionInfo info;
        info.callType = row.storedType;
        info.caller = L"bob@sip.example";
        info.callee = L"sip:carol@sip.example";
        info.startTick = row.startTick;
        info.endTick = row.endTick;
        info.startTime = 1773500000;
        const CallHistoryRow history = MakeCallHistoryRow(info, "sip.example");
        SCOPED_TRACE(testing::Message() << "type " << row.storedType << " from " << row.startTick);
        EXPECT_EQ(row.callType, history.callType);
        EXPECT_EQ(row.number, history.number);
        EXPECT_EQ(WideToAnsi(info.GetStartTimeText()) + "    " + row.duration, history.text);
    }
}

TEST(CallRules, EveryKeyNamesItsSoundAndOnlyTheDialPadSendsDtmf)
{
    const struct {
        char key;
        const char* sound;
        bool dtmf;
    } kCases[] = {
        {'0', "0", true},   {'5', "5", true},        {'9', "9", true},          {'*', "x", true},
        {'#', "#", true},   {'h', "h", false},       {'i', "ringin", false},    {'m', "aa", false},
        {'o', "ringout", false}, {'r', "r", false},  {'t', "disconnect", false}, {'v', "ringing", false},
        {'w', "w", false},  {'a', "a", false},       {'z', "a", false},         {'\0', "a", false},
    };
    for (const auto& row : kCases) {
        EXPECT_STREQ(row.sound, KeyToneSoundName(row.key)) << row.key;
        EXPECT_EQ(row.dtmf, IsDtmfKey(row.key)) << row.key;
    }
}

TEST(CallRules, EachKeyboardKeyTypesItsCharacterWithItsTone)
{
    const struct {
        UINT key;
        bool shift;
        wchar_t character;
        char tone;
    } kCases[] = {
        {'1', true, L'!', '#'},       {'2', true, L'@', '#'},       {'3', true, L'#', '#'},
        {'4', true, L'$', '*'},       {'8', true, L'*', '*'},       {'9', true, L'(', '#'},
        {'0', true, 0, 0},            {'A', true, 0, 0},            {'0', false, L'0', '0'},
        {'9', false, L'9', '9'},      {VK_NUMPAD0, false, L'0', '0'}, {VK_NUMPAD7, false, L'7', '7'},
        {VK_MULTIPLY, false, L'*', '*'}, {'A', false, L'a', 'a'},   {'Z', false, L'z', 'a'},
        {VK_F1, false, 0, 0},         {VK_SPACE, false, 0, 0},      {VK_BACK, false, 0, 0},
    };
    for (const auto& row : kCases) {
        const TypedKey typed = row.shift ? ShiftedKey(row.key) : PlainKey(row.key);
        SCOPED_TRACE(testing::Message() << "key " << row.key << (row.shift ? " with Shift" : ""));
        EXPECT_EQ(row.character, typed.character);
        EXPECT_EQ(row.tone, typed.tone);
    }
}

TEST(CallRules, TheConferenceKeepsIdsAboveZeroInOrderAndRemovesTheFirstEqualOne)
{
    Conference conference;
    for (const int id : {5, 0, -3, 7, 5})
        conference.Add(id);
    EXPECT_EQ(3, conference.GetCount());
    EXPECT_FALSE(conference.Contains(0));
    conference.Remove(5);
    EXPECT_EQ(2, conference.GetCount());
    EXPECT_TRUE(conference.Contains(5));
    conference.Remove(5);
    conference.Remove(9);
    EXPECT_FALSE(conference.Contains(5));
    EXPECT_EQ(1, conference.GetCount());
    conference.Clear();
    EXPECT_EQ(0, conference.GetCount());
}

} // namespace
