#include "skin/model/SkinXmlFormat.h"

namespace Vexel {
namespace SkinXml {

const LPCWSTR kHeaderComments[kHeaderCommentCount] = {
    L"DO NOT EDIT OR DELETE THIS VEXEL UI FILE!",
    L"Vexel skin library of the Lumeo softphone",
    L"Written by Lumeo when it converts an older skin",
    L"Vexel",
};

const LPCWSTR kOpenProgramValue = L"LumeoSkinEditor.exe";

const LPCWSTR kStyleGroups[kStyleGroupCount] = {
    L"PushButtons",  L"CheckBoxes",   L"RadioButtons", L"ComboBoxes",   L"Statics",      L"Edits",
    L"Sliders",      L"Progresses",   L"Spins",        L"HotKeys",      L"IPAdresses",   L"SliderExes",
    L"ListControls", L"TreeControls", L"TreeLists",    L"RichEdits",    L"HtmlControls", L"DateTimes",
    L"WaveControls", L"Menus",        L"Menubars",     L"Headers",      L"HorScrollbars", L"VerScrollbars",
};

const LPCWSTR kControlElements[kControlElementCount] = {
    L"PUSHBUTTON", L"CHECK",       L"RADIO",     L"STATIC",   L"EDIT",     L"COMBOBOX",     L"SPIN",
    L"PROGRESS",   L"SLIDER",      L"HOTKEY",    L"IPADDRESS", L"SLIDEREX", L"LISTCTRL",    L"TREECTRL",
    L"SCROLLBAR",  L"SCROLLBAREX", L"THUMBNAIL", L"TREELIST", L"RICHEDIT", L"HTMLCTRL",     L"DATETIMECTRL",
    L"WAVECTRL",   L"MENUBAR",     L"RECT",      L"SPLITTER",
};

const LPCWSTR kFontAttributes[kFontAttributeCount] = {
    L"Height",    L"Width",        L"lfEscapement",  L"Orientation", L"Weight",
    L"Italic",    L"Underline",    L"StrikeOut",     L"CharSet",     L"OutPrecision",
    L"ClipPrecision", L"Quality",  L"PitchAndFamily", L"FaceName",
};

LPCWSTR StyleGroupElement(int styleKind)
{
    return styleKind >= 0 && styleKind < kStyleGroupCount ? kStyleGroups[styleKind] : nullptr;
}

Encoding EncodingOf(ValueKind kind)
{
    switch (kind) {
    case ValueKind::None:
    case ValueKind::ID:
    case ValueKind::FontResourceID:
    case ValueKind::ColorResourceID:
    case ValueKind::MenuStyleID:
    case ValueKind::HeaderStyleID:
    case ValueKind::HorScrollBarStyleID:
    case ValueKind::VerScrollBarStyleID:
        return Encoding::Text;
    case ValueKind::Rect:
        return Encoding::Rect;
    case ValueKind::Point:
        return Encoding::Point;
    case ValueKind::Color:
        return Encoding::Color;
    case ValueKind::Font:
        return Encoding::Font;
    case ValueKind::ImagePath:
        return Encoding::ImagePath;
    default:
        return IsEnumKind(kind) ? Encoding::Enumeration : Encoding::Nothing;
    }
}

bool IsWrittenVariable(const PropertyValue& var)
{
    if (!var.IsSaved() || var.IsSuperseded())
        return false;
    switch (EncodingOf(var.Kind())) {
    case Encoding::Nothing:
        return false;
    case Encoding::Text:
        // A flag still at its default is left out; a default never set (VT_EMPTY)
        // never equals a flag, so such flags are always written.
        return !(var.Type() == VT_BOOL && var.LogFontEquals(var.DefaultValue()));
    default:
        return true;
    }
}

CString FormatVersion(int major, int minor)
{
    CString text;
    text.Format(L"%02d%02d", major, minor);
    return text;
}

CString FormatRectSize(const RECT& rect)
{
    CString text;
    text.Format(L"%d,%d", static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top));
    return text;
}

CString FormatRectLocation(const RECT& rect)
{
    CString text;
    text.Format(L"%d,%d", static_cast<int>(rect.left), static_cast<int>(rect.top));
    return text;
}

CString FormatColor(COLORREF color)
{
    CString text;
    text.Format(L"#%08X", static_cast<unsigned>(color));
    return text;
}

CString ValueText(const PropertyValue& var)
{
    if (var.Type() == VT_BOOL)
        return CString(var.Value().boolVal ? kTrue : kFalse);
    return var.GetString();
}

LOGFONTW FontToWrite(const PropertyValue& var)
{
    LOGFONTW font = {};
    var.GetLogFont(font);
    font.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return font;
}

} // namespace SkinXml
} // namespace Vexel
