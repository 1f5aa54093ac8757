#include "skin/model/SkinStore.h"

#include <comdef.h>

#include <cstdlib>
#include <cwchar>

namespace Vexel {

namespace {

template <class List>
auto FindByID(const List& list, LPCWSTR id) -> decltype(list.front().get())
{
    if (!id)
        return nullptr;
    for (const auto& record : list) {
        if (record && record->GetVar(CtrlVar::ID) == id)
            return record.get();
    }
    return nullptr;
}

// A colour as an integer, as the controls read it; false when it is none.
bool ReadColorNumber(const PropertyValue& value, int& number)
{
    try {
        number = value.GetInt();
        return true;
    } catch (const _com_error&) {
        return false;
    }
}

bool IsValidStyleKind(StyleKind kind)
{
    const int index = static_cast<int>(kind);
    return index >= 0 && index < kStyleKindCount;
}

} // namespace

SkinStore::SkinStore() = default;

SkinStore::~SkinStore()
{
    Release();
}

UIWNDPROPERTIES* SkinStore::FindWindowProperties(LPCWSTR id) const
{
    return FindByID(windows, id);
}

CTRLPROPERTIES* SkinStore::FindResourceByID(int kind, LPCWSTR id) const
{
    switch (kind) {
    case kFontResource:
        return FindByID(fonts, id);
    case kColorResource:
        return FindByID(colors, id);
    default:
        return nullptr;
    }
}

int SkinStore::GetColorByID(LPCWSTR id, COLORREF* color) const
{
    if (!color)
        return -1;
    const RESCOLORPROPERTIES* record = FindByID(colors, id);
    if (!record)
        return -1;
    // GetColor answers 0xFFFFFFFF for anything but an integer colour.
    *color = record->GetVar(ResourceVar::Value).GetColor();
    return 0;
}

RESFONTPROPERTIES* SkinStore::FindFontByLogFont(const PropertyValue& font) const
{
    for (const auto& record : fonts) {
        if (record->GetVar(ResourceVar::Value).LogFontEquals(font))
            return record.get();
    }
    return nullptr;
}

RESCOLORPROPERTIES* SkinStore::FindColorByValue(const PropertyValue& color) const
{
    int wanted = 0;
    if (!ReadColorNumber(color, wanted))
        return nullptr;
    for (const auto& record : colors) {
        int number = 0;
        if (ReadColorNumber(record->GetVar(ResourceVar::Value), number) && number == wanted)
            return record.get();
    }
    return nullptr;
}

CTRLPROPERTIES* SkinStore::FindStyle(StyleKind kind, LPCWSTR id) const
{
    if (!IsValidStyleKind(kind))
        return nullptr;
    return FindByID(styles[static_cast<int>(kind)], id);
}

int SkinStore::GetIDByName(LPCWSTR name) const
{
    if (!name)
        return -1;
    for (const ResourceID& entry : idTable) {
        if (entry.name == name)
            return entry.id;
    }
    return -1;
}

void SkinStore::GetNameByID(int id, CString& name) const
{
    name.Empty();
    for (const ResourceID& entry : idTable) {
        if (entry.id == id) {
            name = entry.name;
            return;
        }
    }
}

CString SkinStore::GetSkinFolder()
{
    // Drive and folder are never longer than the whole path.
    const std::size_t size = static_cast<std::size_t>(uiFilePath.GetLength()) + 1;
    std::vector<wchar_t> drive(size), folder(size);
    skinFolder.Empty();
    if (_wsplitpath_s(uiFilePath, drive.data(), size, folder.data(), size, nullptr, 0, nullptr, 0) == 0) {
        skinFolder = drive.data();
        skinFolder += folder.data();
    }
    const int n = skinFolder.GetLength();
    if (n == 0 || (skinFolder[n - 1] != L'\\' && skinFolder[n - 1] != L'/'))
        skinFolder += L'\\';
    return skinFolder;
}

int SkinStore::AddResource(int kind, CTRLPROPERTIES* record)
{
    if (!record)
        return -1;
    const PropertyValue& type = record->GetVar(CtrlVar::Type);
    if (kind == kFontResource && type == L"FONT") {
        if (auto* font = dynamic_cast<RESFONTPROPERTIES*>(record)) {
            fonts.emplace_back(font);
            return static_cast<int>(fonts.size()) - 1;
        }
    } else if (kind == kColorResource && type == L"COLOR") {
        if (auto* color = dynamic_cast<RESCOLORPROPERTIES*>(record)) {
            colors.emplace_back(color);
            return static_cast<int>(colors.size()) - 1;
        }
    }
    return -1;
}

int SkinStore::AddStyle(StyleKind kind, CTRLPROPERTIES* record)
{
    if (!record || !IsValidStyleKind(kind))
        return -1;
    auto& list = styles[static_cast<int>(kind)];
    list.emplace_back(record);
    return static_cast<int>(list.size()) - 1;
}

void SkinStore::AddID(LPCWSTR name, int id)
{
    idTable.push_back({CString(name), id});
}

void SkinStore::Release()
{
    resourceHText.Close();
    uiFilePath.Empty();
    skinFolder.Empty();
    resourceHPath.Empty();
    windows.clear();        // each window deletes its controls first, in list order
    fonts.clear();
    colors.clear();
    for (auto& list : styles)
        list.clear();
}

} // namespace Vexel
