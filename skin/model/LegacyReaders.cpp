#include "skin/model/LegacyReaders.h"

#include "skin/model/AsciiCase.h"
#include "skin/model/IdPrefix.h"
#include "skin/model/LegacyKeys.h"
#include "skin/model/LegacyResources.h"
#include "skin/model/LegacyText.h"
#include "skin/model/LegacyValues.h"
#include "skin/model/UiWndProperties.h"

#include <memory>

namespace Vexel {

namespace {

// A control kind that offers each key line to its tables in order.
int ReadWithTables(LegacyImportContext& context, CTRLPROPERTIES& record,
                   std::initializer_list<const LegacyKeyTable*> tables)
{
    ReadLegacyKeyLines(context.text, [&](const CString& key, const CString& value) {
        ApplyLegacyKeys(context, record, tables, key, value);
    });
    return 0;
}

// The common table, then the kind's own.
int ReadCommonAndOwn(LegacyImportContext& context, CTRLPROPERTIES& record, const LegacyKeyTable& own)
{
    return ReadWithTables(context, record, {&kLegacyCommonKeys, &own});
}

bool IsVertical(CTRLPROPERTIES& record)
{
    const PropertyValue* vertical = FindVariableByElement(record, L"IsVertical");
    return vertical && vertical->Type() == VT_BOOL && vertical->GetBool();
}

} // namespace

bool ReadLegacyLine(CMemStdioFile& text, CString& line)
{
    if (!text.ReadString(line))
        return false;
    line.Trim();
    return true;
}

bool ReadLegacyKeyLines(CMemStdioFile& text, const std::function<void(const CString& key, const CString& value)>& onKeyLine)
{
    CString line;
    CString key;
    CString value;
    for (;;) {
        // Noting the place of every line (not only the section's first) lets the walk
        // resume at the header itself rather than reread the section to find it.
        const ULONGLONG lineStart = text.GetPosition();
        if (!ReadLegacyLine(text, line))
            return false;
        if (IsLegacySectionHeader(line)) {
            text.Seek(static_cast<LONGLONG>(lineStart), CFile::begin);
            return true;
        }
        if (SplitLegacyKeyLine(line, key, value))
            onKeyLine(key, value);
    }
}

int ReadLegacySettings(LegacyImportContext& context)
{
    ReadLegacyKeyLines(context.text, [&](const CString& key, const CString& value) {
        if (EqualsIgnoringAsciiCase(key, L"LogPixelsX"))
            context.state.designDpiX = DecimalToInt(value);
        else if (EqualsIgnoringAsciiCase(key, L"LogPixelsY"))
            context.state.designDpiY = DecimalToInt(value);
    });
    return 0;
}

int ReadLegacyWindow(LegacyImportContext& context, UIWNDPROPERTIES& window)
{
    int red = 255;
    int green = 0;
    int blue = 255;
    ReadLegacyKeyLines(context.text, [&](const CString& key, const CString& value) {
        if (EqualsIgnoringAsciiCase(key, L"RValue"))
            red = DecimalToInt(value);
        else if (EqualsIgnoringAsciiCase(key, L"GValue"))
            green = DecimalToInt(value);
        else if (EqualsIgnoringAsciiCase(key, L"BValue"))
            blue = DecimalToInt(value);
        else
            ApplyLegacyKeys(context, window, kLegacyWindowKeys, key, value);
    });

    if (window.GetVar(UiWndVar::IsUseMaskColor).GetBool()) {
        // RGB keeps the low 8 bits of each number.
        const COLORREF mask = RGB(red, green, blue);
        window.GetVar(UiWndVar::MaskColorResID).SetString(LegacyColorResource(context, mask));
    }
    return 0;
}

bool ReadLegacyCommonKey(LegacyImportContext& context, CTRLPROPERTIES& record, const CString& key, const CString& value)
{
    return ApplyLegacyKeys(context, record, kLegacyCommonKeys, key, value);
}

bool ReadLegacyTextKey(LegacyImportContext& context, CTRLPROPERTIES& record, const CString& key, const CString& value)
{
    return ApplyLegacyKeys(context, record, kLegacyTextKeys, key, value);
}

bool ReadLegacyCheckedImageKey(LegacyImportContext& context, CTRLPROPERTIES& record, const CString& key,
                               const CString& value)
{
    return ApplyLegacyKeys(context, record, kLegacyCheckedImageKeys, key, value);
}

int ReadLegacyPushButton(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadWithTables(context, record, {&kLegacyCommonKeys, &kLegacyTextKeys, &kLegacyPushButtonKeys});
}

int ReadLegacyCheckBox(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadWithTables(context, record,
                          {&kLegacyCommonKeys, &kLegacyTextKeys, &kLegacyCheckedImageKeys, &kLegacyCheckBoxKeys});
}

int ReadLegacyRadioButton(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadWithTables(context, record,
                          {&kLegacyCommonKeys, &kLegacyTextKeys, &kLegacyCheckedImageKeys, &kLegacyRadioButtonKeys});
}

int ReadLegacyStatic(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacyStaticKeys);
}

int ReadLegacyEdit(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacyEditKeys);
}

int ReadLegacyComboBox(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacyComboBoxKeys);
}

int ReadLegacySpin(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacySpinKeys);
}

int ReadLegacyProgress(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacyProgressKeys);
}

int ReadLegacySlider(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacySliderKeys);
}

int ReadLegacyCommonOnly(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadWithTables(context, record, {&kLegacyCommonKeys});
}

int ReadLegacyTreeCtrl(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacyTreeCtrlKeys);
}

int ReadLegacyThumbnail(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacyThumbnailKeys);
}

int ReadLegacyTreeList(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacyTreeListKeys);
}

int ReadLegacyHtmlCtrl(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    return ReadCommonAndOwn(context, record, kLegacyHtmlCtrlKeys);
}

int ReadLegacyListCtrl(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    auto header = std::make_unique<HEADERPROPERTIES>();
    CString id;
    id.Format(L"%ls%u", GetDefaultIDPrefix(L"HEADERCTRL"), ++context.state.headerNumber);
    header->GetVar(CtrlVar::ID).SetString(id);

    const bool endedAtHeader = ReadLegacyKeyLines(context.text, [&](const CString& key, const CString& value) {
        if (!ApplyLegacyKeys(context, record, {&kLegacyCommonKeys, &kLegacyListCtrlKeys}, key, value))
            ApplyLegacyKeys(context, *header, kLegacyListHeaderKeys, key, value);
    });
    if (endedAtHeader)
        context.headers.push_back(std::move(header));
    return 0;
}

int ReadLegacyScrollBarEx(LegacyImportContext& context, CTRLPROPERTIES& record)
{
    auto horizontal = std::make_unique<HORSBPROPERTIES>();
    auto vertical = std::make_unique<VERSBPROPERTIES>();
    for (CTRLPROPERTIES* style : {static_cast<CTRLPROPERTIES*>(horizontal.get()), static_cast<CTRLPROPERTIES*>(vertical.get())}) {
        if (PropertyValue* combine = FindVariableByElement(*style, L"IsCombineThumbImages"))
            combine->SetBool(false);
    }

    ReadLegacyKeyLines(context.text, [&](const CString& key, const CString& value) {
        if (ApplyLegacyKeys(context, record, {&kLegacyCommonKeys, &kLegacyScrollBarKeys}, key, value))
            return;
        CTRLPROPERTIES& style = IsVertical(record) ? static_cast<CTRLPROPERTIES&>(*vertical)
                                                   : static_cast<CTRLPROPERTIES&>(*horizontal);
        ApplyLegacyKeys(context, style, kLegacyScrollBarThumbKeys, key, value);
    });
    if (IsVertical(record))
        context.verticalScrollBars.push_back(std::move(vertical));
    else
        context.horizontalScrollBars.push_back(std::move(horizontal));
    return 0;
}

} // namespace Vexel
