#pragma once
// What the benchmarks of the program's pages share: a program folder of their own under the
// temporary folder, Lumeo's resources written out there, its skin open and a fresh Data.db on
// g_database; and the count of the contacts a tree shows.
#include "bench/BenchFolderAnswers.h"
#include "core/Database.h"
#include "core/ProgramResources.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/factories/ControlKinds.h"
#include "windows/contacts/ContactsTree.h"
#include "windows/contacts/ContactsWnd.h"

#include <windows.h>

#include <cstdio>

namespace bench {

// "<temp>\<name>\", once PrepareProgramFolder has run.
inline CString g_programFolder;

// Makes the folder ready; false, with the reason printed, when anything failed.
inline bool PrepareProgramFolder(const wchar_t* name)
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    g_programFolder = CString(temp) + name + L"\\";
    ::CreateDirectoryW(g_programFolder, nullptr);
    static const FolderAnswers answers(g_programFolder);
    SetSystemAnswers(&answers);
    WriteProgramResources();
    Vexel::RegisterSkinControlKinds();
    if (Vexel::OpenSkin(g_programFolder + L"Skins\\Lumeo\\the.xui", 1) != 0) {
        std::printf("could not open the skin\n");
        return false;
    }
    const std::string program = WideToAnsi(g_programFolder.Left(g_programFolder.GetLength() - 1));
    ::DeleteFileW(g_programFolder + L"data\\Data.db");
    if (!OpenDatabase(g_database, DatabaseFolders{program, program})) {
        std::printf("could not make the database\n");
        return false;
    }
    return true;
}

// The contacts page as the main window makes it; false, with the reason printed, when it
// could not be made.
inline bool CreateContactsPage(CContactsWnd& page)
{
    if (page.Create(0, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, 1, 1))
        return true;
    std::printf("could not make the contacts page\n");
    return false;
}

// Its tree emptied as sign-out does.
inline void EmptyContactsPage(CContactsWnd& page)
{
    page.EmptyTree();
}

// The contact nodes of every group of `tree`.
inline UINT ShownContacts(const CContactsTree& tree)
{
    UINT count = 0;
    for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
        for (HTREEITEM child = tree.GetChildItem(group); child; child = tree.GetNextSiblingItem(child))
            ++count;
    }
    return count;
}

} // namespace bench
