#include "skin/ui/RecordRead.h"

#include <comdef.h>

namespace Vexel {
namespace record_read {
namespace {

const PropertyValue* Var(const CTRLPROPERTIES& record, int index)
{
    if (index < 0 || index >= record.GetVarCount())
        return nullptr;
    return &record.GetVar(index);
}

} // namespace

bool Switch(const CTRLPROPERTIES& record, int index)
{
    const PropertyValue* const var = Var(record, index);
    if (!var)
        return false;
    try {
        return var->GetBool();
    } catch (const _com_error&) {
        return false;
    }
}

int Int(const CTRLPROPERTIES& record, int index, int fallback)
{
    const PropertyValue* const var = Var(record, index);
    if (!var)
        return fallback;
    try {
        return var->GetInt();
    } catch (const _com_error&) {
        return fallback;
    }
}

int Enum(const CTRLPROPERTIES& record, int index, ValueKind kind)
{
    const PropertyValue* const var = Var(record, index);
    return var ? var->GetEnumValue(kind) : -1;
}

POINT Point(const CTRLPROPERTIES& record, int index)
{
    const PropertyValue* const var = Var(record, index);
    return var ? var->GetPoint() : POINT{-1, -1};
}

RECT Rect(const CTRLPROPERTIES& record, int index)
{
    const PropertyValue* const var = Var(record, index);
    return var ? var->GetRect() : RECT{-1, -1, -1, -1};
}

CString Text(const CTRLPROPERTIES& record, int index)
{
    const PropertyValue* const var = Var(record, index);
    if (!var || var->Type() == VT_EMPTY || var->Type() == VT_NULL)
        return CString();
    try {
        return var->GetString();
    } catch (const _com_error&) {
        return CString();
    }
}

COLORREF Color(const CTRLPROPERTIES& record, int index)
{
    const PropertyValue* const var = Var(record, index);
    return var ? var->GetColor() : CLR_INVALID;
}

void Font(const CTRLPROPERTIES& record, int index, LOGFONTW& font)
{
    if (const PropertyValue* const var = Var(record, index))
        var->GetLogFont(font);
}

} // namespace record_read
} // namespace Vexel
