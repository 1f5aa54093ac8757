#include "skin/model/XmlDeclaration.h"

#include "framework/File.h"

#include <cstring>
#include <string>

namespace Vexel {

namespace {

// The head as characters, at most kMaxXmlDeclarationLength of them. A byte of UTF-8 stands
// for itself: the declaration is ASCII, and any other byte breaks its grammar anyway.
std::u16string DecodeHead(const unsigned char* bytes, size_t size)
{
    size_t start = 0;
    bool utf16 = false;
    bool bigEndian = false;
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        start = 3;
    } else if (size >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
        start = 2;
        utf16 = true;
        bigEndian = bytes[0] == 0xFE;
    } else if (size >= 4 && bytes[0] == '<' && bytes[1] == 0 && bytes[2] == '?' && bytes[3] == 0) {
        utf16 = true;
    } else if (size >= 4 && bytes[0] == 0 && bytes[1] == '<' && bytes[2] == 0 && bytes[3] == '?') {
        utf16 = true;
        bigEndian = true;
    }

    std::u16string text;
    const size_t step = utf16 ? 2 : 1;
    for (size_t at = start; at + step <= size && text.size() < kMaxXmlDeclarationLength; at += step) {
        if (!utf16)
            text += static_cast<char16_t>(bytes[at]);
        else if (bigEndian)
            text += static_cast<char16_t>((bytes[at] << 8) | bytes[at + 1]);
        else
            text += static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
    }
    return text;
}

bool IsSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// A walk over the declaration; every step is false once the text is used up.
class DeclarationCursor {
public:
    explicit DeclarationCursor(const std::u16string& text) : m_text(text) {}

    bool AtEnd() const { return m_at >= m_text.size(); }

    // Whether there was any white space to skip.
    bool SkipSpace()
    {
        const size_t before = m_at;
        while (!AtEnd() && IsSpace(m_text[m_at]))
            ++m_at;
        return m_at > before;
    }

    bool Take(const char* word)
    {
        const size_t length = std::strlen(word);
        if (m_text.size() - m_at < length)
            return false;
        for (size_t i = 0; i < length; ++i) {
            if (m_text[m_at + i] != static_cast<char16_t>(word[i]))
                return false;
        }
        m_at += length;
        return true;
    }

    bool Peek(const char* word)
    {
        const size_t at = m_at;
        const bool found = Take(word);
        m_at = at;
        return found;
    }

    // Eq and a quoted value: the value without its quotes, unclosed within the text -> false.
    bool TakeAssignedValue(std::u16string& value)
    {
        SkipSpace();
        if (!Take("="))
            return false;
        SkipSpace();
        if (AtEnd() || (m_text[m_at] != u'"' && m_text[m_at] != u'\''))
            return false;
        const char16_t quote = m_text[m_at++];
        const size_t closing = m_text.find(quote, m_at);
        if (closing == std::u16string::npos)
            return false;
        value = m_text.substr(m_at, closing - m_at);
        m_at = closing + 1;
        return true;
    }

private:
    const std::u16string& m_text;
    size_t m_at = 0;
};

// VersionNum: "1." and digits.
bool IsVersionNumber(const std::u16string& value)
{
    if (value.size() < 3 || value.size() > kMaxXmlVersionLength || value[0] != u'1' || value[1] != u'.')
        return false;
    for (size_t i = 2; i < value.size(); ++i) {
        if (!IsDigit(value[i]))
            return false;
    }
    return true;
}

// EncName: a letter, then letters, digits, ".", "_" and "-".
bool IsEncodingName(const std::u16string& value)
{
    if (value.empty() || value.size() > kMaxXmlEncodingLength || !IsAsciiLetter(value[0]))
        return false;
    for (const char16_t c : value) {
        if (!IsAsciiLetter(c) && !IsDigit(c) && c != u'.' && c != u'_' && c != u'-')
            return false;
    }
    return true;
}

bool IsStandaloneValue(const std::u16string& value)
{
    return value == u"yes" || value == u"no";
}

bool IsSoundDeclaration(DeclarationCursor& cursor)
{
    std::u16string value;
    if (!cursor.SkipSpace() || !cursor.Take("version") || !cursor.TakeAssignedValue(value) ||
        !IsVersionNumber(value))
        return false;
    bool spaced = cursor.SkipSpace();
    if (spaced && cursor.Peek("encoding")) {
        cursor.Take("encoding");
        if (!cursor.TakeAssignedValue(value) || !IsEncodingName(value))
            return false;
        spaced = cursor.SkipSpace();
    }
    if (spaced && cursor.Peek("standalone")) {
        cursor.Take("standalone");
        if (!cursor.TakeAssignedValue(value) || !IsStandaloneValue(value))
            return false;
        cursor.SkipSpace();
    }
    return cursor.Take("?>");
}

} // namespace

bool IsSafeXmlHead(const void* bytes, size_t size)
{
    if (!bytes || size == 0)
        return true;
    const std::u16string head = DecodeHead(static_cast<const unsigned char*>(bytes), size);
    DeclarationCursor cursor(head);
    if (!cursor.Take("<?xml"))
        return true;
    // "<?xml-stylesheet" and the like are instructions, not the declaration.
    if (!cursor.AtEnd() && !IsSpace(head[5]) && head[5] != u'?')
        return true;
    return IsSoundDeclaration(cursor);
}

bool XmlFileHeadIsSafe(LPCWSTR path)
{
    CFile file;
    if (!path || !file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return true;
    // Room for the longest declaration in UTF-16 behind its mark.
    unsigned char head[2 * kMaxXmlDeclarationLength + 4] = {};
    const UINT read = file.Read(head, sizeof head);
    return IsSafeXmlHead(head, read);
}

} // namespace Vexel
