#include "framework/String.h"

#include "framework/ResourceModule.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace {

// ANSI (CP_ACP) bytes to UTF-16; `length` < 0 means up to the terminating zero.
std::wstring WidenAnsi(LPCSTR text, int length)
{
    std::wstring out;
    if (!text || length == 0)
        return out;
    if (length < 0)
        length = static_cast<int>(strlen(text));
    if (length == 0)
        return out;
    const int units = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (units <= 0)
        return out;
    out.resize(static_cast<size_t>(units));
    MultiByteToWideChar(CP_ACP, 0, text, length, &out[0], units);
    return out;
}

LPCWSTR OrEmpty(LPCWSTR text)
{
    return text ? text : L"";
}

// One UTF-16 unit in lower case, by the system's Unicode tables (not the C locale's,
// which folds ASCII only).
wchar_t FoldCase(wchar_t ch)
{
    if (ch < 0x80)
        return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch + (L'a' - L'A')) : ch;
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ch)))));
}

bool IsWhiteSpace(wchar_t ch)
{
    return iswspace(ch) != 0;
}

} // namespace

// ---------------------------------------------------------------- construction

CString::CString(LPCWSTR text) : m_str(OrEmpty(text)) {}

CString::CString(LPCWSTR text, int length)
{
    if (text && length > 0)
        m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(LPCSTR text) : m_str(WidenAnsi(text, -1)) {}

CString::CString(LPCSTR text, int length) : m_str(WidenAnsi(text, std::max(length, 0))) {}

CString::CString(wchar_t ch, int repeat)
{
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(LPCWSTR text)
{
    m_str = OrEmpty(text);  // assigning from our own buffer is safe for std::wstring
    return *this;
}

CString& CString::operator=(LPCSTR text)
{
    m_str = WidenAnsi(text, -1);
    return *this;
}

CString& CString::operator=(wchar_t ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(LPCWSTR text)
{
    m_str += OrEmpty(text);
    return *this;
}

CString& CString::operator+=(LPCSTR text)
{
    m_str += WidenAnsi(text, -1);
    return *this;
}

namespace {

template <class A, class B>
CString Joined(const A& a, const B& b)
{
    CString out(a);
    out += b;
    return out;
}

} // namespace

CString operator+(const CString& a, const CString& b) { return Joined(a, b); }
CString operator+(const CString& a, LPCWSTR b) { return Joined(a, b); }
CString operator+(LPCWSTR a, const CString& b) { return Joined(a, b); }
CString operator+(const CString& a, LPCSTR b) { return Joined(a, b); }
CString operator+(LPCSTR a, const CString& b) { return Joined(a, b); }
CString operator+(const CString& a, wchar_t b) { return Joined(a, b); }
CString operator+(wchar_t a, const CString& b) { return Joined(a, b); }

// ---------------------------------------------------------------- access

wchar_t CString::GetAt(int index) const
{
    return index >= 0 && index < GetLength() ? m_str[static_cast<size_t>(index)] : L'\0';
}

void CString::SetAt(int index, wchar_t ch)
{
    if (index >= 0 && index < GetLength())
        m_str[static_cast<size_t>(index)] = ch;
}

int CString::Compare(LPCWSTR other) const
{
    return wcscmp(m_str.c_str(), OrEmpty(other));
}

int CString::CompareNoCase(LPCWSTR other) const
{
    // Ordered as lower-case text, unit by unit.
    const wchar_t* a = m_str.c_str();
    const wchar_t* b = OrEmpty(other);
    for (;; ++a, ++b) {
        const wchar_t fa = FoldCase(*a);
        const wchar_t fb = FoldCase(*b);
        if (fa != fb)
            return fa < fb ? -1 : 1;
        if (fa == L'\0')
            return 0;
    }
}

// ---------------------------------------------------------------- pieces

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_str.c_str() + first, count);
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.c_str() + (GetLength() - count), count);
}

// ---------------------------------------------------------------- searching

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCWSTR sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    const size_t at = m_str.find(sub, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const
{
    const size_t at = m_str.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

// ---------------------------------------------------------------- changing

CString& CString::MakeUpper()
{
    if (!m_str.empty())
        CharUpperBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        CharLowerBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(wchar_t target)
{
    return TrimRight(target).TrimLeft(target);
}

CString& CString::Trim(LPCWSTR targets)
{
    return TrimRight(targets).TrimLeft(targets);
}

CString& CString::TrimLeft()
{
    const auto first = std::find_if_not(m_str.begin(), m_str.end(), IsWhiteSpace);
    m_str.erase(m_str.begin(), first);
    return *this;
}

CString& CString::TrimLeft(wchar_t target)
{
    const size_t first = m_str.find_first_not_of(target);
    m_str.erase(0, first);  // npos erases everything
    return *this;
}

CString& CString::TrimLeft(LPCWSTR targets)
{
    if (targets && *targets)
        m_str.erase(0, m_str.find_first_not_of(targets));
    return *this;
}

CString& CString::TrimRight()
{
    const auto last = std::find_if_not(m_str.rbegin(), m_str.rend(), IsWhiteSpace);
    m_str.erase(last.base(), m_str.end());
    return *this;
}

CString& CString::TrimRight(wchar_t target)
{
    const size_t last = m_str.find_last_not_of(target);
    m_str.erase(last == std::wstring::npos ? 0 : last + 1);
    return *this;
}

CString& CString::TrimRight(LPCWSTR targets)
{
    if (targets && *targets) {
        const size_t last = m_str.find_last_not_of(targets);
        m_str.erase(last == std::wstring::npos ? 0 : last + 1);
    }
    return *this;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    int count = 0;
    for (wchar_t& ch : m_str) {
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCWSTR oldText, LPCWSTR newText)
{
    if (!oldText || !*oldText)
        return 0;
    const std::wstring from(oldText);
    const std::wstring to(OrEmpty(newText));
    if (m_str.find(from) == std::wstring::npos)
        return 0;
    // Built into a new string so that a replacement containing the old text is never
    // searched again.
    std::wstring out;
    out.reserve(m_str.size());
    int count = 0;
    size_t from_pos = 0;
    for (size_t at; (at = m_str.find(from, from_pos)) != std::wstring::npos; from_pos = at + from.size()) {
        out.append(m_str, from_pos, at - from_pos);
        out += to;
        ++count;
    }
    out.append(m_str, from_pos, std::wstring::npos);
    m_str.swap(out);
    return count;
}

int CString::Remove(wchar_t ch)
{
    const size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int index, wchar_t ch)
{
    index = std::clamp(index, 0, GetLength());
    m_str.insert(static_cast<size_t>(index), 1, ch);
    return GetLength();
}

int CString::Insert(int index, LPCWSTR text)
{
    index = std::clamp(index, 0, GetLength());
    m_str.insert(static_cast<size_t>(index), OrEmpty(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index < 0)
        index = 0;
    if (count > 0 && index < GetLength())
        m_str.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

// ---------------------------------------------------------------- formatting

void CString::Format(LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCWSTR format, va_list args)
{
    if (!format) {
        m_str.clear();
        return;
    }
    // Most texts fit the first try. A longer one is told its length and is written again
    // once at that size (a runtime that only reports failure gets a doubled buffer).
    constexpr size_t kLimit = size_t{1} << 26;   // units; past it the format counts as failed
    std::wstring out(256, L'\0');
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        const int written = vswprintf(&out[0], out.size(), format, copy);
        va_end(copy);
        if (written >= 0 && static_cast<size_t>(written) < out.size()) {
            out.resize(static_cast<size_t>(written));
            break;
        }
        const size_t wanted = written >= 0 ? static_cast<size_t>(written) + 1 : out.size() * 2;
        if (wanted > kLimit) {
            out.clear();
            break;
        }
        out.resize(wanted);
    }
    m_str.swap(out);
}

// ---------------------------------------------------------------- resources

BOOL CString::LoadString(UINT id)
{
    return LoadString(AfxGetResourceModule(), id);
}

BOOL CString::LoadString(HINSTANCE module, UINT id)
{
    // With a zero buffer size LoadStringW hands out a pointer into the resource itself.
    LPCWSTR text = nullptr;
    const int length = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return FALSE;
    m_str.assign(text, static_cast<size_t>(length));
    return TRUE;
}

// ---------------------------------------------------------------- buffer

LPWSTR CString::GetBuffer()
{
    return &m_str[0];
}

LPWSTR CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    return &m_str[0];
}

LPWSTR CString::GetBufferSetLength(int length)
{
    m_str.resize(static_cast<size_t>(std::max(length, 0)));
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(wcsnlen(m_str.c_str(), m_str.size()));
    m_str.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

// ---------------------------------------------------------------- CStringList

IMPLEMENT_DYNAMIC(CStringList, CObject)

struct CStringList::Node {
    Node* next;
    Node* prev;
    CString data;
};

CStringList::~CStringList()
{
    RemoveAll();
}

CStringList::Node* CStringList::Link(Node* before, Node* after, const CString& text)
{
    Node* node = new Node{after, before, text};
    (before ? before->next : m_head) = node;
    (after ? after->prev : m_tail) = node;
    ++m_count;
    return node;
}

POSITION CStringList::AddHead(const CString& text)
{
    return ToPosition(Link(nullptr, m_head, text));
}

POSITION CStringList::AddTail(const CString& text)
{
    return ToPosition(Link(m_tail, nullptr, text));
}

void CStringList::AddTail(const CStringList& other)
{
    // Counted, so that appending a list to itself copies it once.
    Node* node = other.m_head;
    for (int left = other.m_count; left > 0; --left, node = node->next)
        AddTail(node->data);
}

POSITION CStringList::InsertBefore(POSITION position, const CString& text)
{
    Node* at = ToNode(position);
    return at ? ToPosition(Link(at->prev, at, text)) : AddHead(text);
}

POSITION CStringList::InsertAfter(POSITION position, const CString& text)
{
    Node* at = ToNode(position);
    return at ? ToPosition(Link(at, at->next, text)) : AddTail(text);
}

CString& CStringList::GetHead() { return m_head->data; }
const CString& CStringList::GetHead() const { return m_head->data; }
CString& CStringList::GetTail() { return m_tail->data; }
const CString& CStringList::GetTail() const { return m_tail->data; }

CString CStringList::RemoveHead()
{
    CString text = std::move(m_head->data);
    RemoveAt(ToPosition(m_head));
    return text;
}

CString CStringList::RemoveTail()
{
    CString text = std::move(m_tail->data);
    RemoveAt(ToPosition(m_tail));
    return text;
}

POSITION CStringList::GetHeadPosition() const { return ToPosition(m_head); }
POSITION CStringList::GetTailPosition() const { return ToPosition(m_tail); }

CString& CStringList::GetNext(POSITION& position)
{
    Node* node = ToNode(position);
    position = ToPosition(node->next);
    return node->data;
}

const CString& CStringList::GetNext(POSITION& position) const
{
    Node* node = ToNode(position);
    position = ToPosition(node->next);
    return node->data;
}

CString& CStringList::GetPrev(POSITION& position)
{
    Node* node = ToNode(position);
    position = ToPosition(node->prev);
    return node->data;
}

const CString& CStringList::GetPrev(POSITION& position) const
{
    Node* node = ToNode(position);
    position = ToPosition(node->prev);
    return node->data;
}

CString& CStringList::GetAt(POSITION position) { return ToNode(position)->data; }
const CString& CStringList::GetAt(POSITION position) const { return ToNode(position)->data; }

void CStringList::SetAt(POSITION position, const CString& text)
{
    ToNode(position)->data = text;
}

void CStringList::RemoveAt(POSITION position)
{
    Node* node = ToNode(position);
    if (!node)
        return;
    (node->prev ? node->prev->next : m_head) = node->next;
    (node->next ? node->next->prev : m_tail) = node->prev;
    delete node;
    --m_count;
}

void CStringList::RemoveAll()
{
    for (Node* node = m_head; node;) {
        Node* next = node->next;
        delete node;
        node = next;
    }
    m_head = m_tail = nullptr;
    m_count = 0;
}

POSITION CStringList::Find(LPCWSTR text, POSITION startAfter) const
{
    Node* node = startAfter ? ToNode(startAfter)->next : m_head;
    for (; node; node = node->next) {
        if (node->data == text)
            return ToPosition(node);
    }
    return nullptr;
}

POSITION CStringList::FindIndex(int index) const
{
    if (index < 0 || index >= m_count)
        return nullptr;
    Node* node = m_head;
    while (index-- > 0)
        node = node->next;
    return ToPosition(node);
}
