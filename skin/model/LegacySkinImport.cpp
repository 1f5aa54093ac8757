#include "skin/model/LegacySkinImport.h"

#include "skin/model/AsciiCase.h"
#include "skin/model/ButtonProperties.h"
#include "skin/model/ControlFactory.h"
#include "skin/model/EditProperties.h"
#include "skin/model/FileHelpers.h"
#include "skin/model/LegacyImportContext.h"
#include "skin/model/LegacyReaders.h"
#include "skin/model/LegacyText.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/TreeProperties.h"

#include <cwchar>

namespace Vexel {

namespace {

using MakeRecord = std::unique_ptr<CTRLPROPERTIES> (*)();
using ReadSection = int (*)(LegacyImportContext&, CTRLPROPERTIES&);

struct ControlKind {
    LPCWSTR typeWord;
    MakeRecord make;
    ReadSection read;
};

constexpr ControlKind kControlKinds[] = {
    {L"PUSHBUTTON", &NewRecord<BTNPROPERTIES>, &ReadLegacyPushButton},
    {L"CHECK", &NewRecord<CHKPROPERTIES>, &ReadLegacyCheckBox},
    {L"RADIO", &NewRecord<RADPROPERTIES>, &ReadLegacyRadioButton},
    {L"STATIC", &NewRecord<TXTPROPERTIES>, &ReadLegacyStatic},
    {L"EDIT", &NewRecord<EDTPROPERTIES>, &ReadLegacyEdit},
    {L"COMBOBOX", &NewRecord<CMBPROPERTIES>, &ReadLegacyComboBox},
    {L"SPIN", &NewRecord<SPNPROPERTIES>, &ReadLegacySpin},
    {L"PROGRESS", &NewRecord<PRGPROPERTIES>, &ReadLegacyProgress},
    {L"SLIDER", &NewRecord<SLDPROPERTIES>, &ReadLegacySlider},
    {L"HOTKEY", &NewRecord<HOTPROPERTIES>, &ReadLegacyCommonOnly},
    {L"IPADDRESS", &NewRecord<IPAPROPERTIES>, &ReadLegacyCommonOnly},
    {L"SLIDEREX", &NewRecord<SLDEXPROPERTIES>, &ReadLegacySlider},
    {L"LISTCTRL", &NewRecord<LSTCTRLPROPERTIES>, &ReadLegacyListCtrl},
    {L"TREECTRL", &NewRecord<TREECTRLPROPERTIES>, &ReadLegacyTreeCtrl},
    {L"SCROLLBAREX", &NewRecord<SBEXPROPERTIES>, &ReadLegacyScrollBarEx},
    {L"THUMBNAIL", &NewRecord<THMPROPERTIES>, &ReadLegacyThumbnail},
    {L"TREELIST", &NewRecord<TREELISTPROPERTIES>, &ReadLegacyTreeList},
    {L"RICHEDIT", &NewRecord<RICHEDITPROPERTIES>, &ReadLegacyEdit},
    {L"HTMLCTRL", &NewRecord<HTMLCTRLPROPERTIES>, &ReadLegacyHtmlCtrl},
};

const ControlKind* FindControlKind(const CString& typeWord)
{
    for (const ControlKind& kind : kControlKinds) {
        if (EqualsIgnoringAsciiCase(kind.typeWord, typeWord))
            return &kind;
    }
    return nullptr;
}

bool FileExists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

// The byte-order mark is no part of the first line: in UTF-16 the text starts after
// FF FE, in an ANSI file after a UTF-8 mark EF BB BF.
void SkipByteOrderMark(CMemStdioFile& text)
{
    if (text.IsUnicode()) {
        text.Seek(2, CFile::begin);
        return;
    }
    BYTE start[3] = {};
    const bool utf8 = text.Read(start, 3) == 3 && start[0] == 0xEF && start[1] == 0xBB && start[2] == 0xBF;
    text.Seek(utf8 ? 3 : 0, CFile::begin);
}

void ReadSectionOfType(LegacyImportContext& context, const CString& sectionName, const CString& typeWord)
{
    if (EqualsIgnoringAsciiCase(typeWord, L"Window")) {
        WindowRecordPtr window(new UIWNDPROPERTIES);
        ReadLegacyWindow(context, *window);
        context.state.stagedWindows.push_back(std::move(window));
        return;
    }
    if (const ControlKind* kind = FindControlKind(typeWord)) {
        std::unique_ptr<CTRLPROPERTIES> record = kind->make();
        kind->read(context, *record);
        AttachLegacyControl(context.state.stagedWindows, sectionName, std::move(record));
    }
    // Any other type word: the section is skipped; the walk passes over its lines.
}

void WalkSections(LegacyImportContext& context)
{
    CMemStdioFile& text = context.text;
    CString line;
    while (ReadLegacyLine(text, line)) {
        if (!IsLegacySectionHeader(line))
            continue;
        const CString name = LegacySectionName(line);
        if (name == L"Settings") {
            ReadLegacySettings(context);
            continue;
        }

        const ULONGLONG typeLineStart = text.GetPosition();
        CString typeLine;
        if (!ReadLegacyLine(text, typeLine))
            break;
        if (IsLegacySectionHeader(typeLine)) {
            // A header straight after a header opens the next section.
            text.Seek(static_cast<LONGLONG>(typeLineStart), CFile::begin);
            continue;
        }
        CString typeWord;
        if (LegacyTypeWord(typeLine, typeWord))
            ReadSectionOfType(context, name, typeWord);
    }
}

} // namespace

int ImportLegacySkin(LPCWSTR path)
{
    LegacyImportState& state = g_legacyImport;
    state.legacyFilePath = ResolveSkinPath(path);
    if (!FileExists(state.legacyFilePath)) {
        state.legacyFilePath.Empty();
        return kLegacyImportMissing;
    }
    return ParseLegacySkin();
}

int ParseLegacySkin()
{
    LegacyImportState& state = g_legacyImport;
    CMemStdioFile& text = state.legacyText;
    // The text stays with the file copy until the next import or ReleaseSkin.
    if (!text.LoadFromFile(state.legacyFilePath))
        return kLegacyImportUnreadable;
    SkipByteOrderMark(text);

    state.stagedWindows.clear();
    state.stagedFonts.clear();
    state.stagedColors.clear();

    // The header and scroll-bar styles the sections make go with the context.
    LegacyImportContext context(text, text.IsUnicode(), state);
    WalkSections(context);
    return kLegacyImportOk;
}

bool AttachLegacyControl(std::vector<WindowRecordPtr>& windows, const CString& sectionName,
                         std::unique_ptr<CTRLPROPERTIES> record)
{
    const int underscore = sectionName.Find(L'_');
    const CString windowId = underscore < 0 ? CString() : sectionName.Left(underscore);
    for (WindowRecordPtr& window : windows) {
        if (window->GetVar(CtrlVar::ID).GetString() == windowId) {
            window->Controls().push_back(record.get());
            record.release();
            return true;
        }
    }
    return false;
}

} // namespace Vexel
