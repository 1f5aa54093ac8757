#include "texts/IniText.h"

#include "framework/File.h"

#include <windows.h>

#include <vector>

namespace {

constexpr wchar_t kBlanks[] = L" \t";

std::wstring Trimmed(const std::wstring& text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::wstring::npos)
        return std::wstring();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

void FoldAsciiCase(std::wstring& name)
{
    for (wchar_t& c : name) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
}

std::wstring LookupName(const std::wstring& section, const std::wstring& key)
{
    std::wstring name = section + L'\n' + key;
    FoldAsciiCase(name);
    return name;
}

std::wstring Unquoted(std::wstring value)
{
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::wstring FromCodePage(UINT codePage, const char* bytes, int size)
{
    if (size <= 0)
        return std::wstring();
    const int length = ::MultiByteToWideChar(codePage, 0, bytes, size, nullptr, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(codePage, 0, bytes, size, &text[0], length);
    return text;
}

} // namespace

IniText::IniText(const std::wstring& text)
{
    std::wstring section;
    bool inSection = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        const std::wstring line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == L';')
            continue;
        if (line[0] == L'[') {
            const size_t close = line.rfind(L']');
            section = Trimmed(line.substr(1, close == std::wstring::npos || close == 0 ? std::wstring::npos : close - 1));
            inSection = true;
            continue;
        }
        const size_t equals = line.find(L'=');
        if (!inSection || equals == std::wstring::npos)
            continue;
        const std::wstring key = Trimmed(line.substr(0, equals));
        if (!key.empty())
            m_values.emplace(LookupName(section, key), Unquoted(Trimmed(line.substr(equals + 1))));
    }
}

IniText IniText::FromFile(const CString& path)
{
    CFile file;
    if (path.IsEmpty() || !file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return IniText();
    const ULONGLONG length = file.GetLength();
    if (length > 0x7FFFFFF)
        return IniText();   // no language file comes near this
    std::vector<char> bytes(static_cast<size_t>(length));
    if (!bytes.empty() && file.Read(bytes.data(), static_cast<UINT>(bytes.size())) != bytes.size())
        return IniText();
    return IniText(Decode(bytes.data(), bytes.size()));
}

std::wstring IniText::Decode(const void* data, size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::wstring text;
    if (size >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
        const bool bigEndian = bytes[0] == 0xFE;
        text.reserve(size / 2);
        for (size_t at = 2; at + 1 < size; at += 2)
            text += static_cast<wchar_t>(bigEndian ? (bytes[at] << 8) | bytes[at + 1] : bytes[at] | (bytes[at + 1] << 8));
    } else if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        text = FromCodePage(CP_UTF8, reinterpret_cast<const char*>(bytes + 3), static_cast<int>(size - 3));
    } else {
        text = FromCodePage(CP_ACP, reinterpret_cast<const char*>(bytes), static_cast<int>(size));
    }
    const size_t zero = text.find(L'\0');
    if (zero != std::wstring::npos)
        text.resize(zero);
    return text;
}

const std::wstring* IniText::Find(const CString& section, const CString& key) const
{
    const auto found = m_values.find(LookupName(section.Str(), key.Str()));
    return found == m_values.end() ? nullptr : &found->second;
}
