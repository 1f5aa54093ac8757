#pragma once
// UiTextTable: every text the program's own windows show in the user's language, one wide string
// per (section, key) of the language file, 367 in 25 section records (UiTextKeys.h lists them in
// order). g_uiTexts is the one instance: built empty before start-up, filled once by
// LoadUiTexts, then only read, on the user-interface thread. A text the file lacks stays empty;
// there is no fall-back text and no lookup by name at run time: a window names the field.
// It lives in texts/, below every window of windows/ and config/ that reads it.
#include "framework/String.h"
#include "texts/UiTextKeys.h"

#define LUMEO_UI_TEXT_FIELD(field, key) CString field;
#define LUMEO_UI_TEXT_RECORD(Type, member, section, KEYS) \
    struct Type {                                         \
        KEYS(LUMEO_UI_TEXT_FIELD)                         \
    };
LUMEO_UI_TEXT_SECTIONS(LUMEO_UI_TEXT_RECORD)
#undef LUMEO_UI_TEXT_RECORD
#undef LUMEO_UI_TEXT_FIELD

// Members are destroyed in reverse order, so the sections (and the texts within each) go in
// reverse table order.
struct UiTextTable {
#define LUMEO_UI_TEXT_MEMBER(Type, member, section, KEYS) Type member;
    LUMEO_UI_TEXT_SECTIONS(LUMEO_UI_TEXT_MEMBER)
#undef LUMEO_UI_TEXT_MEMBER
};

#define LUMEO_UI_COUNT_KEY(field, key) +1
#define LUMEO_UI_COUNT_SECTION(Type, member, section, KEYS) KEYS(LUMEO_UI_COUNT_KEY)
constexpr int kUiTextCount = 0 LUMEO_UI_TEXT_SECTIONS(LUMEO_UI_COUNT_SECTION);
#undef LUMEO_UI_COUNT_SECTION
#undef LUMEO_UI_COUNT_KEY

static_assert(kUiTextCount == 367, "the language file has 367 texts");
static_assert(sizeof(UiTextTable) == kUiTextCount * sizeof(CString), "the table holds its texts and nothing else");

extern UiTextTable g_uiTexts;

// Calls visit(section, key, text) for every text of the table, in table order: section by
// section, key by key. section and key are the names used in the language file; text is the
// table's string (const when the table is). The one walk that the loader and the checks share.
template <class Table, class Visit>
void ForEachUiText(Table& table, Visit&& visit)
{
#define LUMEO_UI_VISIT_KEY(field, key) visit(section, L"" key, record.field);
#define LUMEO_UI_VISIT_SECTION(Type, member, sectionName, KEYS) \
    {                                                           \
        const wchar_t* const section = L"" sectionName;         \
        auto& record = table.member;                            \
        KEYS(LUMEO_UI_VISIT_KEY)                                \
    }
    LUMEO_UI_TEXT_SECTIONS(LUMEO_UI_VISIT_SECTION)
#undef LUMEO_UI_VISIT_SECTION
#undef LUMEO_UI_VISIT_KEY
}

// Points the core's two composed texts (the call clock's prefix CALL_WND 30046 and the default
// group's name CONTACTDETAILS_WND 32000) at this table's slots; they are read at use.
void BindCoreUiTexts(const UiTextTable& texts);
