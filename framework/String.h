#pragma once
// CString: the wide, value-semantic string every window works in. Narrow text is taken
// in the ANSI code page (CP_ACP), as the core's texts are ANSI.
#include "framework/Object.h"

#include <windows.h>

#include <cstdarg>
#include <string>
#include <type_traits>

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCWSTR text);                     // null is the empty string
    CString(LPCWSTR text, int length);         // the first `length` units (clamped at 0)
    CString(LPCSTR text);                      // ANSI; null is the empty string
    CString(LPCSTR text, int length);          // the first `length` bytes, ANSI
    explicit CString(wchar_t ch, int repeat = 1);
    explicit CString(const std::wstring& text) : m_str(text) {}

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCWSTR text);
    CString& operator=(LPCSTR text);
    CString& operator=(wchar_t ch);

    CString& operator+=(const CString& text) { m_str += text.m_str; return *this; }
    CString& operator+=(LPCWSTR text);
    CString& operator+=(LPCSTR text);
    CString& operator+=(wchar_t ch) { m_str += ch; return *this; }

    // --- access
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    LPCWSTR GetString() const { return m_str.c_str(); }
    operator LPCWSTR() const { return m_str.c_str(); }
    const std::wstring& Str() const { return m_str; }

    // Indexes outside [0, GetLength()) read as 0 and are ignored by SetAt.
    wchar_t GetAt(int index) const;
    void SetAt(int index, wchar_t ch);
    template <class I, class = std::enable_if_t<std::is_integral_v<I>>>
    wchar_t operator[](I index) const { return GetAt(static_cast<int>(index)); }

    // --- comparison: Compare is ordinal, CompareNoCase ignores letter case; both give
    // a negative, zero or positive value.
    int Compare(LPCWSTR other) const;
    int CompareNoCase(LPCWSTR other) const;

    // --- pieces: counts and starts are clamped to the string, never out of range.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;

    // --- searching: positions are zero-based, -1 when not found.
    int Find(wchar_t ch, int start = 0) const;
    int Find(LPCWSTR sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;

    // --- changing in place
    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();                       // white space
    CString& Trim(wchar_t target);
    CString& Trim(LPCWSTR targets);        // any character of the set
    CString& TrimLeft();
    CString& TrimLeft(wchar_t target);
    CString& TrimLeft(LPCWSTR targets);
    CString& TrimRight();
    CString& TrimRight(wchar_t target);
    CString& TrimRight(LPCWSTR targets);
    int Replace(wchar_t oldCh, wchar_t newCh);          // number replaced
    int Replace(LPCWSTR oldText, LPCWSTR newText);      // number replaced; empty old: 0
    int Remove(wchar_t ch);                             // number removed
    int Insert(int index, wchar_t ch);                  // new length
    int Insert(int index, LPCWSTR text);                // new length
    int Delete(int index, int count = 1);               // new length

    // printf-style. Write %ls for wide and %hs for narrow string arguments.
    void Format(LPCWSTR format, ...);
    void FormatV(LPCWSTR format, va_list args);

    // String `id` of the string table of the resource module (AfxGetResourceModule).
    // FALSE, with the string unchanged, when there is no such string.
    BOOL LoadString(UINT id);
    BOOL LoadString(HINSTANCE module, UINT id);

    // --- direct buffer access. The buffer holds at least minLength units plus the
    // terminating zero; ReleaseBuffer(-1) takes the length from the first zero.
    LPWSTR GetBuffer();
    LPWSTR GetBuffer(int minLength);
    LPWSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    std::wstring m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCWSTR b);
CString operator+(LPCWSTR a, const CString& b);
CString operator+(const CString& a, LPCSTR b);
CString operator+(LPCSTR a, const CString& b);
CString operator+(const CString& a, wchar_t b);
CString operator+(wchar_t a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Str() == b.Str(); }
inline bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCWSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
inline bool operator!=(LPCWSTR a, const CString& b) { return !(a == b); }
inline bool operator<(const CString& a, const CString& b) { return a.Str() < b.Str(); }
inline bool operator<(const CString& a, LPCWSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCWSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return b < a; }
inline bool operator<=(const CString& a, const CString& b) { return !(b < a); }
inline bool operator>=(const CString& a, const CString& b) { return !(a < b); }

// Opaque place in a framework list.
struct AfxListPosition;
using POSITION = AfxListPosition*;

// An ordered list of strings walked by position (POSITION is an opaque node handle, null
// past either end). The list owns its nodes.
class CStringList : public CObject {
    DECLARE_DYNAMIC(CStringList)
public:
    CStringList() = default;
    ~CStringList() override;

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    POSITION AddHead(const CString& text);
    POSITION AddTail(const CString& text);
    void AddTail(const CStringList& other);
    POSITION InsertBefore(POSITION position, const CString& text);  // null: at the head
    POSITION InsertAfter(POSITION position, const CString& text);   // null: at the tail

    // The list must not be empty.
    CString& GetHead();
    const CString& GetHead() const;
    CString& GetTail();
    const CString& GetTail() const;
    CString RemoveHead();
    CString RemoveTail();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // The element at `position`, moving `position` on (or back); null after the last.
    CString& GetNext(POSITION& position);
    const CString& GetNext(POSITION& position) const;
    CString& GetPrev(POSITION& position);
    const CString& GetPrev(POSITION& position) const;
    CString& GetAt(POSITION position);
    const CString& GetAt(POSITION position) const;
    void SetAt(POSITION position, const CString& text);
    void RemoveAt(POSITION position);
    void RemoveAll();

    // First element equal to `text` (case counts) after `startAfter`; null when none.
    POSITION Find(LPCWSTR text, POSITION startAfter = nullptr) const;
    // Position of the zero-based element `index`; null when out of range.
    POSITION FindIndex(int index) const;

private:
    struct Node;
    static Node* ToNode(POSITION position) { return reinterpret_cast<Node*>(position); }
    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
    Node* Link(Node* before, Node* after, const CString& text);

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};
