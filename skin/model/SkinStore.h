#pragma once
// SkinStore: the one loaded skin of the process. The skin file reader and the legacy
// importer fill it, the writers read it, and every skinned window and control looks its
// records up in it by symbolic id. It owns every record it lists.
//
// Lookups scan their list from the front and the first match wins; ids compare exactly,
// letter case included. A null id or name is found nowhere. Only the user-interface
// thread uses the store; nothing is locked.
#include "framework/String.h"
#include "skin/model/MemStdioFile.h"
#include "skin/model/RecordOwners.h"
#include "skin/model/ResourceIDList.h"
#include "skin/model/StyleKind.h"

#include <array>
#include <vector>

namespace Vexel {

// Resource kinds of FindResourceByID and AddResource.
enum : int {
    kFontResource = 0,
    kColorResource = 1,
};

class SkinStore {
public:
    SkinStore();
    ~SkinStore();
    SkinStore(const SkinStore&) = delete;
    SkinStore& operator=(const SkinStore&) = delete;

    // --- Lookups (they never change the store)
    UIWNDPROPERTIES* FindWindowProperties(LPCWSTR id) const;
    // kFontResource searches the fonts, kColorResource the colours; any other kind: null.
    CTRLPROPERTIES* FindResourceByID(int kind, LPCWSTR id) const;
    // -1 for a null `color` or an id no COLOR record has (`color` untouched). Otherwise 0,
    // with `color` = the record's colour, or 0xFFFFFFFF when it holds no integer colour.
    int GetColorByID(LPCWSTR id, COLORREF* color) const;
    // The first FONT record whose font has the same 92 bytes as `font`.
    RESFONTPROPERTIES* FindFontByLogFont(const PropertyValue& font) const;
    // The first COLOR record whose colour reads as the same integer as `color`; a value
    // that reads as no integer matches nothing.
    RESCOLORPROPERTIES* FindColorByValue(const PropertyValue& color) const;
    // Null also for a kind outside the 24.
    CTRLPROPERTIES* FindStyle(StyleKind kind, LPCWSTR id) const;
    // The number Resource.h gives `name`, or -1.
    int GetIDByName(LPCWSTR name) const;
    // `name` = the first name Resource.h gives `id`; empty when none has it.
    void GetNameByID(int id, CString& name) const;
    // Drive and folder of the UI file with a trailing backslash, also kept in skinFolder.
    CString GetSkinFolder();

    // --- Changes
    // Appends a FONT record (kind kFontResource) or a COLOR record (kColorResource), whose
    // type name must be exactly "FONT" or "COLOR", and takes it over: the new index. -1
    // for any other record or kind; the record then stays the caller's.
    int AddResource(int kind, CTRLPROPERTIES* record);
    // Appends a style record to its kind's list and takes it over: the new index. -1 for
    // a null record or a kind outside the 24; the record then stays the caller's.
    int AddStyle(StyleKind kind, CTRLPROPERTIES* record);
    void AddID(LPCWSTR name, int id);
    void ClearIDTable() { idTable.clear(); }

    // Frees the Resource.h text, empties the paths and deletes every window with its
    // controls, every font, colour and style record. The id table and the version stay.
    void Release();

    // --- The loaded skin
    CString uiFilePath;                 // full path of the UI file
    CString skinFolder;                 // its folder with a trailing backslash
    CString resourceHPath;              // Resource.h beside it
    std::vector<WindowRecordPtr> windows;
    ResourceIDList idTable;             // Resource.h pairs in file order
    CMemStdioFile resourceHText;        // the Resource.h text while it is parsed
    std::vector<FontRecordPtr> fonts;
    std::vector<ColorRecordPtr> colors;
    std::array<std::vector<RecordPtr>, kStyleKindCount> styles;
    int versionMajor = -1;              // of the loaded file; -1 until one is loaded
    int versionMinor = -1;
    int versionBuild = -1;
};

} // namespace Vexel
