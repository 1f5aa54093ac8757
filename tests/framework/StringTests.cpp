#include "framework/String.h"
#include "framework/ResourceModule.h"
#include "FrameworkTestIds.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

std::wstring W(const CString& s)
{
    return std::wstring(s.GetString(), static_cast<size_t>(s.GetLength()));
}

} // namespace

TEST(CStringBasics, ConstructionFromEveryKindOfText)
{
    EXPECT_EQ(L"", W(CString()));
    EXPECT_EQ(L"", W(CString(static_cast<LPCWSTR>(nullptr))));
    EXPECT_EQ(L"", W(CString(static_cast<LPCSTR>(nullptr))));
    EXPECT_EQ(L"abc", W(CString(L"abc")));
    EXPECT_EQ(L"ab", W(CString(L"abc", 2)));
    EXPECT_EQ(L"", W(CString(L"abc", -1)));
    EXPECT_EQ(L"xxx", W(CString(L'x', 3)));
    EXPECT_EQ(L"", W(CString(L'x', 0)));
    // Narrow text is ANSI (code page 1252 here): 0xE9 is e-acute, 0x80 the euro sign.
    EXPECT_EQ(L"caf\u00E9 \u20AC", W(CString("caf\xE9 \x80")));
    EXPECT_EQ(L"ca", W(CString("cafe", 2)));
}

TEST(CStringBasics, ConcatenationWithWideAndNarrowText)
{
    CString s(L"a");
    s += L"b";
    s += "c";
    s += L'd';
    s += CString(L"e");
    s += static_cast<LPCWSTR>(nullptr);
    s += static_cast<LPCSTR>(nullptr);
    EXPECT_EQ(L"abcde", W(s));
    EXPECT_EQ(L"abcdeX", W(s + L"X"));
    EXPECT_EQ(L"Xabcde", W(L"X" + s));
    EXPECT_EQ(L"abcde\u00E9", W(s + "\xE9"));
    EXPECT_EQ(L"\u00E9abcde", W("\xE9" + s));
    EXPECT_EQ(L"abcde!", W(s + L'!'));
    EXPECT_EQ(L"!abcde", W(L'!' + s));
    EXPECT_EQ(L"abcdeabcde", W(s + s));
    s = "narrow";
    EXPECT_EQ(L"narrow", W(s));
    s = L'w';
    EXPECT_EQ(L"w", W(s));
}

TEST(CStringBasics, ImplicitWidePointerAndIndexing)
{
    const CString s(L"hello");
    const LPCWSTR p = s;
    EXPECT_STREQ(L"hello", p);
    EXPECT_EQ(5, s.GetLength());
    EXPECT_EQ(L'h', s[0]);
    EXPECT_EQ(L'o', s[4u]);
    EXPECT_EQ(L'\0', s.GetAt(5));   // out of range reads as zero
    EXPECT_EQ(L'\0', s.GetAt(-1));
    CString t(L"abc");
    t.SetAt(1, L'X');
    t.SetAt(3, L'Y');               // ignored
    t.SetAt(-1, L'Y');              // ignored
    EXPECT_EQ(L"aXc", W(t));
    EXPECT_FALSE(t.IsEmpty());
    t.Empty();
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_STREQ(L"", static_cast<LPCWSTR>(t));
}

TEST(CStringBasics, ComparisonsOrdinalAndCaseless)
{
    struct Case {
        LPCWSTR a;
        LPCWSTR b;
        int sign;
        int signNoCase;
    };
    const Case cases[] = {
        {L"", L"", 0, 0},
        {L"", nullptr, 0, 0},
        {L"a", L"", 1, 1},
        {L"abc", L"abd", -1, -1},
        {L"ABC", L"abc", -1, 0},
        {L"sip:Bob", L"SIP:bob", 1, 0},
        {L"abc", L"abcd", -1, -1},
        {L"\u00C9t\u00E9", L"\u00E9T\u00C9", -1, 0},
        {L"a_", L"aB", 1, -1},   // letters fold to lower case before comparing
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Case& c : cases) {
        const CString s(c.a);
        EXPECT_EQ(c.sign, sign(s.Compare(c.b))) << c.a;
        EXPECT_EQ(c.signNoCase, sign(s.CompareNoCase(c.b))) << c.a;
    }
    EXPECT_TRUE(CString(L"x") == L"x");
    EXPECT_TRUE(L"x" == CString(L"x"));
    EXPECT_TRUE(CString(L"x") != CString(L"X"));
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
}

TEST(CStringPieces, MidLeftRightClampToTheString)
{
    struct Case {
        int first;
        int count;   // -1: the one-argument Mid
        LPCWSTR mid;
    };
    const CString s(L"abcdef");
    const Case cases[] = {
        {0, -1, L"abcdef"}, {2, -1, L"cdef"}, {6, -1, L""}, {9, -1, L""}, {-3, -1, L"abcdef"},
        {1, 3, L"bcd"}, {4, 10, L"ef"}, {0, 0, L""}, {2, -5, L""}, {-2, 3, L"abc"}, {6, 1, L""},
    };
    for (const Case& c : cases) {
        const CString got = c.count == -1 ? s.Mid(c.first) : s.Mid(c.first, c.count);
        EXPECT_EQ(std::wstring(c.mid), W(got)) << c.first << "," << c.count;
    }
    struct Side {
        int count;
        LPCWSTR left;
        LPCWSTR right;
    };
    const Side sides[] = {{0, L"", L""}, {2, L"ab", L"ef"}, {6, L"abcdef", L"abcdef"},
                          {7, L"abcdef", L"abcdef"}, {-1, L"", L""}};
    for (const Side& c : sides) {
        EXPECT_EQ(std::wstring(c.left), W(s.Left(c.count))) << c.count;
        EXPECT_EQ(std::wstring(c.right), W(s.Right(c.count))) << c.count;
    }
    EXPECT_EQ(L"", W(CString().Mid(0, 3)));
    EXPECT_EQ(L"", W(CString().Right(2)));
}

TEST(CStringSearch, FindAndReverseFind)
{
    struct Case {
        LPCWSTR text;
        LPCWSTR sub;
        int start;
        int expected;
    };
    const Case cases[] = {
        {L"a;b;c", L";", 0, 1},  {L"a;b;c", L";", 2, 3},  {L"a;b;c", L";", 4, -1},
        {L"a;b;c", L"b;c", 0, 2}, {L"a;b;c", L"x", 0, -1}, {L"", L"x", 0, -1},
        {L"abc", L"", 0, 0},     {L"abc", L"", 3, 3},     {L"abc", L"a", -1, -1},
        {L"abc", L"c", 9, -1},   {L"abc", nullptr, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CString(c.text).Find(c.sub, c.start)) << c.text << " / " << (c.sub ? c.sub : L"null");

    const CString path(L"C:\\dir\\file.txt");
    EXPECT_EQ(2, path.Find(L'\\'));
    EXPECT_EQ(6, path.Find(L'\\', 3));
    EXPECT_EQ(-1, path.Find(L'\\', 7));
    EXPECT_EQ(-1, path.Find(L'\\', 100));
    EXPECT_EQ(6, path.ReverseFind(L'\\'));
    EXPECT_EQ(-1, path.ReverseFind(L'/'));
    EXPECT_EQ(-1, CString().ReverseFind(L'a'));
}

TEST(CStringChange, TrimWithWhiteSpaceAndCharacterSets)
{
    struct Case {
        LPCWSTR text;
        LPCWSTR set;   // null: white space
        LPCWSTR both;
        LPCWSTR left;
        LPCWSTR right;
    };
    const Case cases[] = {
        {L"", nullptr, L"", L"", L""},
        {L"   ", nullptr, L"", L"", L""},
        {L" \t\r\n x y \r\n", nullptr, L"x y", L"x y \r\n", L" \t\r\n x y"},
        {L"xy", nullptr, L"xy", L"xy", L"xy"},
        {L"\nLF line\r", L"\r\n", L"LF line", L"LF line\r", L"\nLF line"},
        {L"\"quoted\"", L"\"", L"quoted", L"quoted\"", L"\"quoted"},
        {L"--==--", L"-=", L"", L"", L""},
        {L"ab", L"", L"ab", L"ab", L"ab"},
    };
    for (const Case& c : cases) {
        CString both(c.text), left(c.text), right(c.text);
        if (c.set) {
            both.Trim(c.set);
            left.TrimLeft(c.set);
            right.TrimRight(c.set);
        } else {
            both.Trim();
            left.TrimLeft();
            right.TrimRight();
        }
        EXPECT_EQ(std::wstring(c.both), W(both)) << c.text;
        EXPECT_EQ(std::wstring(c.left), W(left)) << c.text;
        EXPECT_EQ(std::wstring(c.right), W(right)) << c.text;
    }
    CString one(L"xxaxx");
    EXPECT_EQ(L"a", W(one.Trim(L'x')));
    CString allOne(L"xxx");
    EXPECT_EQ(L"", W(allOne.TrimLeft(L'x')));
    CString rightOne(L"axx");
    EXPECT_EQ(L"a", W(rightOne.TrimRight(L'x')));
}

TEST(CStringChange, CaseMapping)
{
    CString s(L"Sip:Bob@Example.COM \u00E9\u00C9");
    EXPECT_EQ(L"SIP:BOB@EXAMPLE.COM \u00C9\u00C9", W(CString(s).MakeUpper()));
    EXPECT_EQ(L"sip:bob@example.com \u00E9\u00E9", W(s.MakeLower()));
    EXPECT_EQ(L"", W(CString().MakeUpper()));
}

TEST(CStringChange, ReplaceRemoveInsertDelete)
{
    struct ReplaceCase {
        LPCWSTR text;
        LPCWSTR from;
        LPCWSTR to;
        int count;
        LPCWSTR result;
    };
    const ReplaceCase cases[] = {
        {L"a,b,c", L",", L";", 2, L"a;b;c"},
        {L"aaa", L"a", L"aa", 3, L"aaaaaa"},      // the replacement is not searched again
        {L"abcabc", L"bc", L"", 2, L"aa"},
        {L"abc", L"x", L"y", 0, L"abc"},
        {L"abc", L"", L"y", 0, L"abc"},
        {L"abc", nullptr, L"y", 0, L"abc"},
        {L"abc", L"b", nullptr, 1, L"ac"},
        {L"", L"a", L"b", 0, L""},
        {L"aaaa", L"aa", L"b", 2, L"bb"},
    };
    for (const ReplaceCase& c : cases) {
        CString s(c.text);
        EXPECT_EQ(c.count, s.Replace(c.from, c.to)) << c.text;
        EXPECT_EQ(std::wstring(c.result), W(s)) << c.text;
    }
    CString chars(L"a-b-c");
    EXPECT_EQ(2, chars.Replace(L'-', L'+'));
    EXPECT_EQ(L"a+b+c", W(chars));
    EXPECT_EQ(2, chars.Remove(L'+'));
    EXPECT_EQ(L"abc", W(chars));
    EXPECT_EQ(0, chars.Remove(L'z'));

    struct EditCase {
        int index;
        LPCWSTR insert;
        LPCWSTR afterInsert;
        int deleteCount;
        LPCWSTR afterDelete;
    };
    const EditCase edits[] = {
        {0, L"X", L"Xabc", 1, L"abc"},
        {3, L"XY", L"abcXY", 2, L"abc"},
        {9, L"XY", L"abcXY", 2, L"abcXY"},      // insert clamps to the end; delete at 9 does nothing
        {-4, L"X", L"Xabc", 0, L"Xabc"},
        {1, L"", L"abc", 5, L"a"},
        {1, nullptr, L"abc", -1, L"abc"},
    };
    for (const EditCase& c : edits) {
        CString s(L"abc");
        EXPECT_EQ(static_cast<int>(wcslen(c.afterInsert)), s.Insert(c.index, c.insert));
        EXPECT_EQ(std::wstring(c.afterInsert), W(s));
        EXPECT_EQ(static_cast<int>(wcslen(c.afterDelete)), s.Delete(c.index, c.deleteCount));
        EXPECT_EQ(std::wstring(c.afterDelete), W(s)) << c.index;
    }
    CString ch(L"ac");
    EXPECT_EQ(3, ch.Insert(1, L'b'));
    EXPECT_EQ(L"abc", W(ch));
    EXPECT_EQ(2, ch.Delete(0));
    EXPECT_EQ(L"bc", W(ch));
}

TEST(CStringFormat, WideNarrowAndNumbers)
{
    CString s;
    s.Format(L"%ls|%hs|%d|%05.1f|%c|%X", L"w\u00E9", "n", -42, 3.14159, L'Z', 0xBEEFu);
    EXPECT_EQ(L"w\u00E9|n|-42|003.1|Z|BEEF", W(s));
    s.Format(L"%02d:%02d:%02d", 1, 2, 3);
    EXPECT_EQ(L"01:02:03", W(s));
    s.Format(L"");
    EXPECT_TRUE(s.IsEmpty());
    // Around and far past the size of the first buffer try.
    for (const size_t length : {0u, 1u, 253u, 254u, 255u, 256u, 257u, 5000u, 100000u}) {
        const std::wstring text(length, L'q');
        s.Format(L"<%ls>", text.c_str());
        EXPECT_EQ(L"<" + text + L">", W(s)) << length;
    }
    // Its own text as an argument.
    s = L"ab";
    s.Format(L"%ls-%ls", static_cast<LPCWSTR>(s), static_cast<LPCWSTR>(s));
    EXPECT_EQ(L"ab-ab", W(s));
}

TEST(CStringChange, ItsOwnTextAsTheArgument)
{
    for (const size_t length : {3u, 300u}) {   // within and beyond the small-text buffer
        const std::wstring base(length, L'a');
        CString s(base.c_str());
        const CString& alias = s;
        s = alias;
        EXPECT_EQ(base, W(s));
        s = static_cast<LPCWSTR>(s);
        EXPECT_EQ(base, W(s));
        s += alias;
        EXPECT_EQ(base + base, W(s));
        s += static_cast<LPCWSTR>(s);
        EXPECT_EQ(base + base + base + base, W(s));
        s = s.Left(static_cast<int>(length));
        EXPECT_EQ(base, W(s));
        s.Insert(1, static_cast<LPCWSTR>(s));
        EXPECT_EQ(base.substr(0, 1) + base + base.substr(1), W(s));
        EXPECT_EQ(1, s.Replace(static_cast<LPCWSTR>(s), L"x"));
        EXPECT_EQ(L"x", W(s));
        s = s + s;
        EXPECT_EQ(L"xx", W(s));
    }
}

TEST(CStringBuffer, GetBufferReleaseBuffer)
{
    CString s(L"abc");
    wchar_t* p = s.GetBuffer(10);
    wcscpy(p, L"0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(L"0123456789", W(s));

    p = s.GetBuffer(4);       // smaller than the text: keeps it
    p[2] = L'\0';
    s.ReleaseBuffer();        // length from the first zero
    EXPECT_EQ(L"01", W(s));

    p = s.GetBufferSetLength(3);
    p[2] = L'x';
    s.ReleaseBuffer(3);
    EXPECT_EQ(L"01x", W(s));

    p = s.GetBuffer(8);
    GetWindowsDirectoryW(p, 9);  // writes at most 8 units and the zero
    s.ReleaseBuffer(1);
    EXPECT_EQ(1, s.GetLength());

    CString empty;
    empty.GetBuffer(0);
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());

    // Explicit lengths: past the buffer they stop at its end, zero empties the text.
    CString sized;
    wcscpy(sized.GetBuffer(5), L"hello");
    sized.ReleaseBuffer(50);
    EXPECT_EQ(L"hello", W(sized));
    sized.GetBuffer(8);
    sized.ReleaseBuffer(0);
    EXPECT_TRUE(sized.IsEmpty());
}

TEST(CStringResources, LoadStringFromTheResourceModule)
{
    CString s(L"unchanged");
    EXPECT_TRUE(s.LoadString(IDS_TEST_HELLO));
    EXPECT_EQ(L"Hello, table", W(s));
    EXPECT_TRUE(s.LoadString(IDS_TEST_UNICODE));
    EXPECT_EQ(L"Gr\u00FC\u00DF \u0416", W(s));
    EXPECT_FALSE(s.LoadString(IDS_TEST_MISSING));
    EXPECT_EQ(L"Gr\u00FC\u00DF \u0416", W(s));   // unchanged on failure

    // Another resource module without that string: loading fails until it is set back.
    AfxSetResourceModule(GetModuleHandleW(L"kernel32.dll"));
    CString other;
    EXPECT_FALSE(other.LoadString(IDS_TEST_HELLO));
    AfxSetResourceModule(nullptr);
    EXPECT_EQ(GetModuleHandleW(nullptr), AfxGetResourceModule());
    EXPECT_TRUE(other.LoadString(IDS_TEST_HELLO));
}

TEST(CStringListTests, AddWalkFindRemove)
{
    CStringList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.Find(L"x"));
    EXPECT_EQ(nullptr, list.FindIndex(0));

    list.AddTail(L"b");
    list.AddTail(L"c");
    list.AddHead(L"a");
    POSITION c = list.Find(L"c");
    ASSERT_NE(nullptr, c);
    list.InsertBefore(c, L"b2");
    list.InsertAfter(c, L"d");
    EXPECT_EQ(5, list.GetCount());

    std::wstring walked;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        walked += W(list.GetNext(pos)) + L" ";
    EXPECT_EQ(L"a b b2 c d ", walked);
    std::wstring back;
    for (POSITION pos = list.GetTailPosition(); pos;)
        back += W(list.GetPrev(pos)) + L" ";
    EXPECT_EQ(L"d c b2 b a ", back);

    EXPECT_EQ(L"b2", W(list.GetAt(list.FindIndex(2))));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(nullptr, list.Find(L"C"));   // case counts

    list.AddTail(L"b");
    POSITION firstB = list.Find(L"b");
    POSITION secondB = list.Find(L"b", firstB);
    EXPECT_NE(firstB, secondB);
    EXPECT_EQ(list.GetTailPosition(), secondB);

    list.SetAt(firstB, L"B");
    list.RemoveAt(list.Find(L"c"));
    EXPECT_EQ(L"a", W(list.RemoveHead()));
    EXPECT_EQ(L"b", W(list.RemoveTail()));
    EXPECT_EQ(L"B", W(list.GetHead()));
    EXPECT_EQ(L"d", W(list.GetTail()));
    EXPECT_EQ(3, list.GetCount());

    list.AddTail(list);   // appending itself copies it once
    EXPECT_EQ(6, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetTailPosition());
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CStringList)));
}
