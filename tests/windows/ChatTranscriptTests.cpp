// The chat window's text rules on their own: the title taken from the peer, the two header
// lines, how blocks of messages join the transcript, and the text of a formatted body.
#include "windows/chat/ChatTranscript.h"

#include <gtest/gtest.h>

namespace {

TEST(ChatTranscript, TheTitleIsTheNameOrTheUserPartOfTheAddress)
{
    const struct {
        const wchar_t* name;
        const wchar_t* uri;
        const wchar_t* title;
    } kRows[] = {
        {L"Bob", L"sip:bob@example", L"Bob"},
        {L"", L"sip:bob@example", L"bob"},
        {L"", L"bob@example", L"bob"},
        {L"", L"sip:bob", L""},   // no "@": nothing
        {L"", L"", L""},
    };
    for (const auto& row : kRows)
        EXPECT_EQ(std::wstring(row.title), ChatTitle(row.name, row.uri).Str()) << row.uri;
}

TEST(ChatTranscript, HeadersNameTheSpeakerAndTheAddress)
{
    EXPECT_EQ(L"Alice<alice@sip.example> says:\r\n", OwnHeader(L"Alice", L"alice", L"sip.example", L"says:").Str());
    EXPECT_EQ(L"alice<alice@sip.example> says:\r\n", OwnHeader(L"", L"alice", L"sip.example", L"says:").Str());
    EXPECT_EQ(L"Bob<bob@example> says:\r\n", PeerHeader(L"Bob", L"bob@example", L"says:").Str());
    // A display name holding "@" shows only what stands before it.
    EXPECT_EQ(L"bob<bob@example> says:\r\n", PeerHeader(L"bob@example", L"bob@example", L"says:").Str());
}

TEST(ChatTranscript, BlocksAreKeptApartByAnEmptyLineAndTheFirstHasNone)
{
    CString transcript;
    AppendToTranscript(transcript, L"Me:\r\n", L"one");
    EXPECT_EQ(L"Me:\r\n  one", transcript.Str());
    AppendToTranscript(transcript, L"", L"two");
    AppendToTranscript(transcript, L"Peer:\r\n", L"three");
    EXPECT_EQ(L"Me:\r\n  one\r\n  two\r\n\r\nPeer:\r\n  three", transcript.Str());
}

TEST(ChatTranscript, AFormattedBodyShowsTheTextOfItsLastSpan)
{
    const struct {
        const char* body;
        const char* text;
    } kRows[] = {
        {"plain text", "plain text"},
        {"<span style=\"x\">hello</span>", "hello"},
        {"<b><span>one</span><span>two</span></b>", "two"},
        {"no tag</span>", "no tag"},
        {"a > b", "a > b"},
        {"", ""},
    };
    for (const auto& row : kRows)
        EXPECT_EQ(std::string(row.text), ExtractMessageText(row.body)) << row.body;
}

} // namespace
