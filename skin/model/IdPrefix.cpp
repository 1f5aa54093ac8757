#include "skin/model/IdPrefix.h"

#include "skin/model/AsciiCase.h"

namespace Vexel {
namespace {

struct PrefixRow {
    LPCWSTR typeName;
    LPCWSTR prefix;
};

constexpr PrefixRow kPrefixes[] = {
    {L"PUSHBUTTON", L"IDC_BTN_"},
    {L"CHECK", L"IDC_CHK_"},
    {L"RADIO", L"IDC_RAD_"},
    {L"STATIC", L"IDC_STA_"},
    {L"EDIT", L"IDC_EDT_"},
    {L"COMBOBOX", L"IDC_CMB_"},
    {L"SPIN", L"IDC_SPN_"},
    {L"PROGRESS", L"IDC_PRG_"},
    {L"SLIDER", L"IDC_SLD_"},
    {L"HOTKEY", L"IDC_HOT_"},
    {L"IPADDRESS", L"IDC_IPA_"},
    {L"SLIDEREX", L"IDC_SLDEX_"},
    {L"LISTCTRL", L"IDC_LSTCTRL_"},
    {L"TREECTRL", L"IDC_TREECTRL_"},
    {L"SCROLLBAR", L"IDC_SBEX_"},
    {L"SCROLLBAREX", L"IDC_SBEX_"},
    {L"THUMBNAIL", L"IDC_THM_"},
    {L"TREELIST", L"IDC_TREELST_"},
    {L"RICHEDIT", L"IDC_RCE_"},
    {L"HTMLCTRL", L"IDC_HTMLCTRL_"},
    {L"DATETIMECTRL", L"IDC_DATETIME_"},
    {L"WAVECTRL", L"IDC_WAVE_"},
    {L"MENUBAR", L"IDC_MENUBAR_"},
    {L"RECT", L"IDC_RECT_"},
    {L"SPLITTER", L"IDC_SPLITTER_"},
    {L"MENU", L"IDR_MENU_"},
    {L"HEADERCTRL", L"IDR_HEADER_"},
    {L"HORSCROLLBAR", L"IDR_HOR_SB_"},
    {L"VERSCROLLBAR", L"IDR_VER_SB_"},
    {L"FONT", L"IDR_FONT_"},
    {L"COLOR", L"IDR_COLOR_"},
};

} // namespace

LPCWSTR GetDefaultIDPrefix(LPCWSTR typeName)
{
    if (!typeName || !*typeName)
        return L"";
    for (const PrefixRow& row : kPrefixes) {
        if (EqualsIgnoringAsciiCase(row.typeName, typeName))
            return row.prefix;
    }
    return L"";
}

} // namespace Vexel
