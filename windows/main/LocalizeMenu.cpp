#include "windows/main/LocalizeMenu.h"

#include "core/OptionsRecord.h"
#include "resources/ProgramIds.h"
#include "skin/ui/controls/SkinMenu.h"
#include "skin/ui/controls/SkinMenuItem.h"
#include "texts/UiTextTable.h"


namespace {

struct ItemText {
    UINT item;              // command id, or a position with byPosition
    const CString* text;
    bool byPosition = false;
};

struct Language {
    UINT command;
    const char* code;
    const wchar_t* name;    // in its own tongue, whatever the user's language
};

constexpr Language kLanguages[] = {
    {ID_LANGUAGE_ENGLISH, "SP_ENG", L"English"},      {ID_LANGUAGE_ITALIAN, "SP_ITA", L"Italiano"},
    {ID_LANGUAGE_SPANISH, "SP_SPA", L"Espa\u00f1ol"}, {ID_LANGUAGE_FRENCH, "SP_FRE", L"Fran\u00e7ais"},
    {ID_LANGUAGE_RUSSIAN, "SP_RUS", L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},
    {ID_LANGUAGE_PORTUGUESE, "SP_POR", L"portugu\u00eas"},
};

// The main menu's language popup sits at this position; the tray menu has two items more
// above it.
constexpr UINT kLanguagePopupPosition = 3;
constexpr UINT kTrayLanguagePopupPosition = kLanguagePopupPosition + 2;
// The contacts menu's call popup.
constexpr UINT kCallPopupPosition = 0;

void SetItemText(CMenu& menu, UINT item, bool byPosition, LPCWSTR text)
{
    // A skinned menu draws its items from its own records: the record takes the text too.
    if (dynamic_cast<Vexel::CSkinMenu*>(&menu)) {
        MENUITEMINFOW current{};
        current.cbSize = sizeof current;
        current.fMask = MIIM_FTYPE | MIIM_DATA;
        if (menu.GetMenuItemInfo(item, &current, byPosition ? TRUE : FALSE) && (current.fType & MFT_OWNERDRAW) &&
            current.dwItemData) {
            auto* const record = reinterpret_cast<Vexel::CSkinMenuItem*>(current.dwItemData);
            if (record->signature == Vexel::kSkinMenuItemSignature)
                record->text = text;
        }
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<LPWSTR>(text);
    ::SetMenuItemInfoW(menu.GetSafeHmenu(), item, byPosition ? TRUE : FALSE, &info);
}

template <size_t N>
void SetItemTexts(CMenu& menu, const ItemText (&items)[N])
{
    for (const ItemText& entry : items)
        SetItemText(menu, entry.item, entry.byPosition, *entry.text);
}

void LocalizeMainMenu(CMenu& menu, UINT languagePopupPosition)
{
    const UiMenuMainTexts& texts = g_uiTexts.menuMain;
    const ItemText items[] = {
        {ID_MAIN_SIGNOUT, &texts.t12000},
        {ID_MAIN_OPTIONS, &texts.t12001},
        {languagePopupPosition, &g_uiTexts.info.option, true},
        {ID_MAIN_AUDIORECORDS, &texts.t12006},
        {ID_MAIN_VIDEORECORDS, &texts.t12007},
        {ID_MAIN_RECOMMEND, &texts.t12008},
        {ID_MAIN_HELP, &texts.t12009},
        {ID_MAIN_ABOUT, &texts.t12010},
        {ID_MAIN_EXIT, &texts.t12011},
    };
    SetItemTexts(menu, items);
    const UINT current = LanguageCommand(g_options.Language);
    for (const Language& language : kLanguages) {
        SetItemText(menu, language.command, false, language.name);
        ::CheckMenuItem(menu.GetSafeHmenu(), language.command,
                        MF_BYCOMMAND | (language.command == current ? MF_CHECKED : MF_UNCHECKED));
    }
}

// The main menu's items under the way back to the window, which is the default item: bold,
// and what the shell's double click would choose.
void LocalizeTrayMenu(CMenu& menu)
{
    SetItemText(menu, ID_TRAY_OPEN, false, g_uiTexts.menuMain.t12005);
    ::SetMenuDefaultItem(menu.GetSafeHmenu(), ID_TRAY_OPEN, FALSE);
    LocalizeMainMenu(menu, kTrayLanguagePopupPosition);
}

void LocalizeContactMenu(CMenu& menu)
{
    const UiMenuContactsTexts& texts = g_uiTexts.menuContacts;
    const ItemText items[] = {
        {kCallPopupPosition, &texts.t14000, true},
        {ID_CONTACT_CALLSIP, &texts.t14001},
        {ID_CONTACT_CALLWORK, &texts.t14002},
        {ID_CONTACT_CALLHOME, &texts.t14003},
        {ID_CONTACT_CALLMOBILE, &texts.t14004},
        {ID_CONTACT_MESSAGE, &texts.t14005},
        {ID_CONTACT_ADD, &texts.t14006},
        {ID_CONTACT_DELETE, &texts.t14007},
        {ID_CONTACT_EDIT, &texts.t14008},
        {ID_CONTACT_VIEW, &texts.t14009},
        {ID_CONTACTS_EXPORT, &texts.t14010},
        {ID_CONTACTS_IMPORT, &texts.t14011},
        {ID_GROUP_CREATE, &texts.t14012},
        {ID_CONTACT_MESSAGEHISTORY, &texts.t14013},
        {ID_CONTACTS_IMPORTOUTLOOK, &texts.t14014},
    };
    SetItemTexts(menu, items);
}

void LocalizeHistoryMenu(CMenu& menu)
{
    const UiMenuHistoryTexts& texts = g_uiTexts.menuHistory;
    const ItemText items[] = {
        {ID_HISTORY_CALL, &texts.t11000},
        {ID_CONTACT_ADD, &texts.t11001},
        {ID_HISTORY_DELETE, &texts.t11002},
        {ID_HISTORY_DELETEALL, &texts.t11003},
    };
    SetItemTexts(menu, items);
}

void LocalizeStatusMenu(CMenu& menu)
{
    const UiMenuStatusTexts& texts = g_uiTexts.menuStatus;
    const ItemText items[] = {
        {ID_STATUS_AVAILABLE, &texts.t16000}, {ID_STATUS_BUSY, &texts.t16001},
        {ID_STATUS_AWAY, &texts.t16002},      {ID_STATUS_BERIGHTBACK, &texts.t16003},
        {ID_STATUS_INCALL, &texts.t16004},    {ID_STATUS_SIGNOUT, &texts.t16005},
    };
    SetItemTexts(menu, items);
}

void LocalizeBlankMenu(CMenu& menu)
{
    const UiMenuBlankTexts& texts = g_uiTexts.menuBlank;
    const ItemText items[] = {
        {ID_CONTACT_ADD, &texts.t13000},
        {ID_CONTACTS_EXPORT, &texts.t13001},
        {ID_CONTACTS_IMPORT, &texts.t13002},
        {ID_GROUP_CREATE, &texts.t13003},
        {ID_CONTACTS_IMPORTOUTLOOK, &g_uiTexts.menuContacts.t14014},
    };
    SetItemTexts(menu, items);
}

void LocalizeGroupMenu(CMenu& menu)
{
    const UiMenuGroupTexts& texts = g_uiTexts.menuGroup;
    const ItemText items[] = {
        {ID_GROUP_CREATE, &texts.t15000}, {ID_GROUP_DELETE, &texts.t15001},    {ID_GROUP_RENAME, &texts.t15002},
        {ID_CONTACT_ADD, &texts.t15003},  {ID_CONTACTS_EXPORT, &texts.t15004}, {ID_CONTACTS_IMPORT, &texts.t15005},
    };
    SetItemTexts(menu, items);
}

} // namespace

UINT LanguageCommand(const std::string& code)
{
    for (const Language& language : kLanguages) {
        if (code == language.code)
            return language.command;
    }
    return 0;
}

void LocalizeMenu(CMenu* menu, UINT menuId)
{
    if (!menu || !menu->GetSafeHmenu())
        return;
    switch (menuId) {
    case IDM_MAIN:
        LocalizeMainMenu(*menu, kLanguagePopupPosition);
        break;
    case IDM_TRAY:
        LocalizeTrayMenu(*menu);
        break;
    case IDM_CONTACTS_CONTACT:
        LocalizeContactMenu(*menu);
        break;
    case IDM_HISTORY:
        LocalizeHistoryMenu(*menu);
        break;
    case IDM_STATUS:
        LocalizeStatusMenu(*menu);
        break;
    case IDM_CONTACTS_BLANK:
        LocalizeBlankMenu(*menu);
        break;
    case IDM_CONTACTS_GROUP:
        LocalizeGroupMenu(*menu);
        break;
    default:
        break;
    }
}
