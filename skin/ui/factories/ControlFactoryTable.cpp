#include "skin/ui/factories/ControlFactoryTable.h"

#include <cwchar>
#include <iterator>

namespace Vexel {
namespace {

constexpr DesignRectFrom kWindow = DesignRectFrom::CreatedWindow;
constexpr DesignRectFrom kRecord = DesignRectFrom::RecordRect;

// The order is the order of comparison. RegisterSkinControlKinds fills in the factories.
ControlKind g_kinds[] = {
    {L"PUSHBUTTON", kWindow, nullptr, nullptr},
    {L"CHECK", kWindow, nullptr, nullptr},
    {L"RADIO", kWindow, nullptr, nullptr},
    {L"COMBOBOX", kRecord, nullptr, nullptr},
    {L"EDIT", kWindow, nullptr, nullptr},
    {L"SLIDER", kWindow, nullptr, nullptr},
    {L"STATIC", kWindow, nullptr, nullptr},
    {L"PROGRESS", kWindow, nullptr, nullptr},
    {L"SPIN", kWindow, nullptr, nullptr},
    {L"HOTKEY", kWindow, nullptr, nullptr},
    {L"IPADDRESS", kWindow, nullptr, nullptr},
    {L"SLIDEREX", kWindow, nullptr, nullptr},
    {L"LISTCTRL", kWindow, nullptr, nullptr},
    {L"TREECTRL", kWindow, nullptr, nullptr},
    {L"SCROLLBAREX", kWindow, nullptr, nullptr},
    {L"THUMBNAIL", kWindow, nullptr, nullptr},
    {L"TREELIST", kWindow, nullptr, nullptr},
    {L"RICHEDIT", kWindow, nullptr, nullptr},
    {L"HTMLCTRL", kWindow, nullptr, nullptr},
    {L"DATETIMECTRL", kWindow, nullptr, nullptr},
    {L"WAVECTRL", kWindow, nullptr, nullptr},
    {L"MENUBAR", kWindow, nullptr, nullptr},
    {L"RECT", kRecord, nullptr, nullptr},
    {L"SPLITTER", kRecord, nullptr, nullptr},
};

ControlKind* FindRow(LPCWSTR typeWord)
{
    if (!typeWord)
        return nullptr;
    for (ControlKind& kind : g_kinds) {
        if (std::wcscmp(kind.typeWord, typeWord) == 0)
            return &kind;
    }
    return nullptr;
}

} // namespace

const ControlKind* FindControlKind(LPCWSTR typeWord)
{
    return FindRow(typeWord);
}

const ControlKind* ControlKindsBegin()
{
    return std::begin(g_kinds);
}

const ControlKind* ControlKindsEnd()
{
    return std::end(g_kinds);
}

bool RegisterControlKind(LPCWSTR typeWord, ControlFactory create, ControlRelease release)
{
    ControlKind* const row = FindRow(typeWord);
    if (!row)
        return false;
    row->create = create;
    row->release = release;
    return true;
}

ControlKind ReplaceControlKind(const ControlKind& kind)
{
    ControlKind* const row = FindRow(kind.typeWord);
    if (!row)
        return kind;
    const ControlKind previous = *row;
    *row = kind;
    row->typeWord = previous.typeWord;   // the table keeps its own words
    return previous;
}

} // namespace Vexel
