#include "ContactsFile.h"

#include "OutlookStandIn.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace standin {
namespace {

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), units);
    return wide;
}

std::wstring ContactsFilePath()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(kContactsFileVariable, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

ItemData ParseLine(const std::string& line)
{
    ItemData item;
    std::istringstream fields(line);
    std::string field;
    while (std::getline(fields, field, '\t')) {
        const std::size_t equals = field.find('=');
        if (equals == std::string::npos)
            continue;
        const std::wstring name = Widen(field.substr(0, equals));
        const std::wstring value = Widen(field.substr(equals + 1));
        if (name == L"Class")
            item.itemClass = std::wcstol(value.c_str(), nullptr, 10);
        else if (name == L"Fail")
            item.failing = value;
        else
            item.values[name] = value;
    }
    return item;
}

} // namespace

Folder ReadContactsFile()
{
    Folder folder;
    const std::wstring path = ContactsFilePath();
    if (path.empty())
        return folder;
    std::ifstream file(path.c_str(), std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        folder.push_back(std::make_shared<const ItemData>(ParseLine(line)));
    }
    return folder;
}

} // namespace standin
