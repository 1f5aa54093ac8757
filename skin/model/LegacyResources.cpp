#include "skin/model/LegacyResources.h"

#include "skin/model/IdPrefix.h"
#include "skin/model/LegacyFontText.h"
#include "skin/model/TextHelpers.h"

#include <cstring>
#include <memory>

namespace Vexel {

namespace {

CString MakeResourceId(LPCWSTR typeName, unsigned number)
{
    CString id;
    id.Format(L"%ls%u", GetDefaultIDPrefix(typeName), number);
    return id;
}

// The colour a resource holds, when it holds one.
bool ResourceColor(const RESCOLORPROPERTIES& resource, COLORREF& color)
{
    const VARIANT& value = resource.GetVar(ResourceVar::Value).Value();
    if (value.vt != VT_I4)
        return false;
    color = static_cast<COLORREF>(value.lVal);
    return true;
}

} // namespace

RESFONTPROPERTIES* FindLegacyFontByLogFont(const std::vector<FontRecordPtr>& fonts, const LOGFONTW& font)
{
    for (const FontRecordPtr& resource : fonts) {
        LOGFONTW held{};
        const PropertyValue& value = resource->GetVar(ResourceVar::Value);
        if (value.Kind() != ValueKind::Font)
            continue;
        value.GetLogFont(held);
        if (memcmp(&held, &font, sizeof(font)) == 0)
            return resource.get();
    }
    return nullptr;
}

RESCOLORPROPERTIES* FindLegacyColorByValue(const std::vector<ColorRecordPtr>& colors, COLORREF color)
{
    for (const ColorRecordPtr& resource : colors) {
        COLORREF held = 0;
        if (ResourceColor(*resource, held) && held == color)
            return resource.get();
    }
    return nullptr;
}

void SetLegacyFontProperty(LegacyImportContext& context, PropertyValue& property, LPCWSTR value)
{
    LOGFONTW font;
    ParseLogFontText(value, font, context.wideText);
    const RESFONTPROPERTIES* resource = FindLegacyFontByLogFont(context.state.stagedFonts, font);
    if (!resource) {
        auto made = std::make_unique<RESFONTPROPERTIES>();
        made->GetVar(CtrlVar::ID).SetString(MakeResourceId(L"FONT", ++context.state.fontNumber));
        made->GetVar(ResourceVar::Value).SetLogFont(font);
        context.state.stagedFonts.push_back(std::move(made));
        resource = context.state.stagedFonts.back().get();
    }
    property.SetString(resource->GetVar(CtrlVar::ID).GetString());
}

void SetLegacyColorProperty(LegacyImportContext& context, PropertyValue& property, LPCWSTR value)
{
    property.SetString(LegacyColorResource(context, static_cast<COLORREF>(StringToInt(value))));
}

CString LegacyColorResource(LegacyImportContext& context, COLORREF color)
{
    if (const RESCOLORPROPERTIES* resource = FindLegacyColorByValue(context.state.stagedColors, color))
        return resource->GetVar(CtrlVar::ID).GetString();
    auto made = std::make_unique<RESCOLORPROPERTIES>();
    const CString id = MakeResourceId(L"COLOR", ++context.state.colorNumber);
    made->GetVar(CtrlVar::ID).SetString(id);
    made->GetVar(ResourceVar::Value).SetInt(static_cast<int>(color));
    context.state.stagedColors.push_back(std::move(made));
    return id;
}

} // namespace Vexel
