#include "skin/model/ResourceH.h"

#include "framework/File.h"
#include "skin/model/FileHelpers.h"
#include "skin/model/SkinStore.h"
#include "skin/model/TextHelpers.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>

namespace Vexel {

namespace {

// The system's standard dialog ids: controls may use them, but they are never numbered.
const wchar_t* const kReservedNames[] = {
    L"IDC_STATIC", L"IDOK", L"IDCANCEL", L"IDABORT", L"IDRETRY", L"IDIGNORE",
    L"IDYES", L"IDNO", L"IDCLOSE", L"IDHELP", L"IDTRYAGAIN", L"IDCONTINUE",
};

const char kHeaderLines[] = "//WARNING: DO NOT EDIT OR DELETE THIS HEADER FILE!\r\n\r\n#pragma once\r\n\r\n";

constexpr int kFirstID = 1000;
constexpr int kNumberColumn = 39;  // characters before the number

bool IsReserved(LPCWSTR name)
{
    return std::any_of(std::begin(kReservedNames), std::end(kReservedNames),
                       [name](const wchar_t* reserved) { return wcscmp(name, reserved) == 0; });
}

void AppendAnsi(std::string& out, const CString& text)
{
    if (text.IsEmpty())
        return;
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(bytes));
    WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), &out[at], bytes, nullptr, nullptr);
}

// One "#define" line as it was always parsed: the number is what follows the last blank;
// the name is what is left once the number's characters are trimmed from the end and
// those of "#define" from the start.
void ParseDefineLine(CString line, CString& name, int& id)
{
    line.TrimRight();
    const int lastBlank = line.ReverseFind(L' ');
    const CString value = lastBlank < 0 ? line : line.Mid(lastBlank + 1);
    line.TrimLeft();
    line.TrimRight(value);
    line.TrimRight();
    line.TrimLeft(L"#define");
    line.TrimLeft();
    name = line;
    id = static_cast<int>(wcstol(value, nullptr, 10));
}

bool WriteTextFile(LPCWSTR path, const std::string& text)
{
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary))
        return false;
    const bool written = file.Write(text.data(), static_cast<UINT>(text.size())) != FALSE;
    file.Close();
    if (!written)
        DeleteFileW(path);
    return written;
}

} // namespace

int ReadResourceH(SkinStore& store)
{
    store.ClearIDTable();
    if (!store.resourceHText.LoadFromFile(store.resourceHPath))
        return -1;
    std::string bytes;
    while (store.resourceHText.ReadLineA(bytes)) {
        const CString line(bytes.c_str(), static_cast<int>(bytes.size()));
        if (line.Find(L"#define") < 0)
            continue;
        CString name;
        int id = 0;
        ParseDefineLine(line, name, id);
        store.AddID(name, id);
    }
    return 0;
}

int WriteResourceH(SkinStore& store)
{
    ResourceIDList list;
    BuildIDList(store, list);
    if (list.empty())
        return 1;
    const int writable = CheckFileWritable(store.resourceHPath);
    if (writable != 0)
        return writable;

    std::string text = kHeaderLines;
    FormatDefineLines(list, text);
    const CString temporary = store.resourceHPath + L"~";
    if (!WriteTextFile(temporary, text))
        return -1;
    if (!MoveFileExW(temporary, store.resourceHPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
        DeleteFileW(temporary);
        return -1;
    }
    ReadResourceH(store);
    return 0;
}

int BuildIDList(const SkinStore& store, ResourceIDList& list)
{
    list.clear();
    int nextId = kFirstID;
    for (const auto& window : store.windows) {
        AddUniqueID(VariantToString(window->GetVar(CtrlVar::ID)), nextId, list);
        for (const CTRLPROPERTIES* control : window->Controls()) {
            if (control)
                AddUniqueID(VariantToString(control->GetVar(CtrlVar::ID)), nextId, list);
        }
    }
    return 1;
}

int AddUniqueID(LPCWSTR name, int& nextId, ResourceIDList& list)
{
    if (!name || !*name || IsReserved(name))
        return 0;
    const bool known = std::any_of(list.begin(), list.end(),
                                   [name](const ResourceID& entry) { return entry.name == name; });
    if (known)
        return 0;
    list.push_back({CString(name), nextId++});
    return 1;
}

int FormatDefineLines(const ResourceIDList& list, std::string& lines)
{
    for (const ResourceID& entry : list) {
        const std::size_t start = lines.size();
        lines += "#define ";
        AppendAnsi(lines, entry.name);
        const std::size_t length = lines.size() - start;
        lines.append(length < kNumberColumn ? kNumberColumn - length : 1, ' ');
        lines += std::to_string(entry.id);
        lines += "\r\n";
    }
    return 1;
}

} // namespace Vexel
