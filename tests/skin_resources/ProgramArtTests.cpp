// Proves the rest of what the program carries or finds beside itself: the icons and the menus
// of its resources (each menu's items in the order and with the commands the windows expect),
// and the avatars and call sounds the build lays beside the program.
#include "resources/ProgramIds.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring ProgramFolder()
{
    wchar_t module[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder(module);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder;
}

TEST(ProgramIcons, TheThreeIconsLoadAtSmallAndLargeSize)
{
    for (UINT id : {IDI_LUMEO, IDI_GROUP_COLLAPSED, IDI_GROUP_EXPANDED}) {
        const HICON icon = static_cast<HICON>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
        EXPECT_NE(nullptr, icon) << id;
        if (icon)
            ::DestroyIcon(icon);
    }
}

constexpr int kSeparator = 0;
constexpr int kPopup = -1;

// The command ids of a menu's first popup, top to bottom: 0 a separator, -1 a sub-menu
// (whose items follow it, then -2 where it ends).
std::vector<int> Items(HMENU popup)
{
    std::vector<int> items;
    const int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        if (const HMENU sub = ::GetSubMenu(popup, i)) {
            items.push_back(kPopup);
            const std::vector<int> inner = Items(sub);
            items.insert(items.end(), inner.begin(), inner.end());
            items.push_back(-2);
        } else {
            const UINT id = ::GetMenuItemID(popup, i);
            MENUITEMINFOW info{sizeof info, MIIM_FTYPE};
            ::GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info);
            items.push_back((info.fType & MFT_SEPARATOR) ? kSeparator : static_cast<int>(id));
        }
    }
    return items;
}

std::vector<int> Joined(std::vector<int> first, const std::vector<int>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST(ProgramMenus, EachMenuHoldsItsCommandsInOrder)
{
    const std::vector<int> kMain = {ID_MAIN_SIGNOUT, kSeparator, ID_MAIN_OPTIONS, kPopup, ID_LANGUAGE_ENGLISH,
                                    ID_LANGUAGE_ITALIAN, ID_LANGUAGE_SPANISH, ID_LANGUAGE_FRENCH, ID_LANGUAGE_RUSSIAN,
                                    ID_LANGUAGE_PORTUGUESE, -2, kSeparator, ID_MAIN_AUDIORECORDS, ID_MAIN_VIDEORECORDS,
                                    kSeparator, ID_MAIN_RECOMMEND, kSeparator, ID_MAIN_HELP, ID_MAIN_ABOUT, kSeparator,
                                    ID_MAIN_EXIT};
    struct Case {
        UINT menu;
        std::vector<int> items;
    };
    const Case kCases[] = {
        {IDM_MAIN, kMain},
        {IDM_TRAY, Joined({ID_TRAY_OPEN, kSeparator}, kMain)},
        {IDM_HISTORY, {ID_HISTORY_CALL, kSeparator, ID_CONTACT_ADD, kSeparator, ID_HISTORY_DELETE, ID_HISTORY_DELETEALL}},
        {IDM_STATUS, {ID_STATUS_AVAILABLE, ID_STATUS_BUSY, ID_STATUS_AWAY, ID_STATUS_BERIGHTBACK, ID_STATUS_INCALL,
                      kSeparator, ID_STATUS_SIGNOUT}},
        {IDM_CONTACTS_BLANK, {ID_CONTACT_ADD, kSeparator, ID_CONTACTS_IMPORTOUTLOOK, ID_CONTACTS_EXPORT,
                              ID_CONTACTS_IMPORT, kSeparator, ID_GROUP_CREATE}},
        {IDM_CONTACTS_GROUP, {ID_GROUP_CREATE, ID_GROUP_DELETE, ID_GROUP_RENAME, kSeparator, ID_CONTACT_ADD, kSeparator,
                              ID_CONTACTS_EXPORT, ID_CONTACTS_IMPORT}},
        {IDM_CONTACTS_CONTACT, {kPopup, ID_CONTACT_CALLSIP, ID_CONTACT_CALLWORK, ID_CONTACT_CALLHOME,
                                ID_CONTACT_CALLMOBILE, -2, ID_CONTACT_MESSAGE, kSeparator, ID_CONTACT_ADD,
                                ID_CONTACT_DELETE, ID_CONTACT_EDIT, ID_CONTACT_VIEW, kSeparator,
                                ID_CONTACTS_IMPORTOUTLOOK, ID_CONTACTS_EXPORT, ID_CONTACTS_IMPORT, kSeparator,
                                ID_GROUP_CREATE, kSeparator, ID_CONTACT_MESSAGEHISTORY}},
    };
    for (const Case& c : kCases) {
        const HMENU menu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.menu));
        ASSERT_NE(nullptr, menu) << c.menu;
        EXPECT_EQ(1, ::GetMenuItemCount(menu)) << c.menu;
        EXPECT_EQ(c.items, Items(::GetSubMenu(menu, 0))) << "menu " << c.menu;
        ::DestroyMenu(menu);
    }
}

TEST(ProgramMenus, TheLanguageNamesAreWrittenInTheirOwnLanguage)
{
    const HMENU menu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDM_MAIN));
    ASSERT_NE(nullptr, menu);
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, ID_LANGUAGE_RUSSIAN, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(L"\x0420\x0443\x0441\x0441\x043a\x0438\x0439"), text);
    ::GetMenuStringW(menu, ID_LANGUAGE_SPANISH, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(L"Espa\x00f1ol"), text);
    ::DestroyMenu(menu);
}

TEST(BesideTheProgram, EveryCallSoundIsAPcmWave)
{
    const wchar_t* const kSounds[] = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"x", L"#",
                                      L"h", L"ringin", L"aa", L"ringout", L"r", L"disconnect", L"ringing",
                                      L"w", L"a"};
    for (const wchar_t* sound : kSounds) {
        const std::wstring path = ProgramFolder() + L"sound\\" + sound + L".wav";
        const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << std::wstring(sound);
        char header[44] = {};
        DWORD read = 0;
        ::ReadFile(file, header, sizeof header, &read, nullptr);
        const DWORD size = ::GetFileSize(file, nullptr);
        ::CloseHandle(file);
        ASSERT_EQ(sizeof header, read) << std::wstring(sound);
        EXPECT_EQ(0, std::memcmp(header, "RIFF", 4));
        EXPECT_EQ(0, std::memcmp(header + 8, "WAVEfmt ", 8));
        EXPECT_EQ(1, *reinterpret_cast<const WORD*>(header + 20)) << "PCM";
        EXPECT_EQ(size - 8, *reinterpret_cast<const DWORD*>(header + 4)) << std::wstring(sound);
        EXPECT_GT(*reinterpret_cast<const DWORD*>(header + 40), 0u) << std::wstring(sound);
    }
}

TEST(BesideTheProgram, EveryAvatarHasABitmapAndAnIcon)
{
    const std::wstring folder = ProgramFolder() + L"Skins\\Lumeo\\avatars\\";
    for (int n = 1; n <= 15; ++n) {
        const std::wstring face = L"face0" + std::to_wstring(n);
        const HANDLE bitmap = ::LoadImageW(nullptr, (folder + face + L".bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        const HANDLE icon = ::LoadImageW(nullptr, (folder + face + L".ico").c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
        EXPECT_NE(nullptr, bitmap) << face;
        EXPECT_NE(nullptr, icon) << face;
        if (bitmap)
            ::DeleteObject(bitmap);
        if (icon)
            ::DestroyIcon(static_cast<HICON>(icon));
    }
}

} // namespace
