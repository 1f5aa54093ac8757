#include "windows/contacts/ContactsBackupCommands.h"

#include "core/TavikSQL.h"
#include "framework/FileDialog.h"
#include "framework/FolderBrowser.h"
#include "framework/Prompt.h"
#include "framework/Wnd.h"
#include "texts/UiTextTable.h"
#include "windows/msgbox/MessageBox.h"

#include <string>

namespace {

HWND WindowOf(CWnd* window)
{
    return window ? window->GetSafeHwnd() : nullptr;
}

// The wait cursor while a large book is stored and shown: the window answers no input
// meanwhile, and this says why.
class BusyCursor {
public:
    BusyCursor() : m_previous(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
    ~BusyCursor() { ::SetCursor(m_previous); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    HCURSOR m_previous;
};

} // namespace

BackupExport RunContactsExport(CWnd* owner)
{
    const UiContactTreeWndTexts& texts = g_uiTexts.contactTreeWnd;
    CString folder;
    if (!AfxBrowseForFolder(WindowOf(owner), texts.t33005, BIF_RETURNONLYFSDIRS, folder))
        return {};
    const BackupExport outcome = ExportContactsBackup(g_database, folder);
    if (!outcome.opened) {
        ShowMessageBox(texts.t33006, owner);
    } else if (!outcome.replaced) {
        // The earlier backup stays; the user learns how many rows did not make it.
        CString message = texts.t33006;
        message += (L" (" + std::to_wstring(outcome.failedRows) + L"/" + std::to_wstring(outcome.rows) + L")").c_str();
        ShowMessageBox(message, owner);
    } else {
        AfxPrompt(WindowOf(owner), texts.t33007, texts.t33008, MB_ICONINFORMATION);
    }
    return outcome;
}

BackupImport RunContactsImport(CWnd* owner, ContactImportSink* sink)
{
    const CString filter = g_uiTexts.contactTreeWnd.t33009 + L" (*.db)|*.db||";
    CFileDialog dialog(TRUE, nullptr, nullptr, 0, filter, nullptr);
    dialog.m_ofn.lpstrInitialDir = L"c:\\";
    if (dialog.DoModal() != IDOK)
        return {};
    BackupImport outcome;
    {
        const BusyCursor busy;
        outcome = ImportContactsBackup(dialog.GetPathName(), g_database, sink);
    }
    if (!outcome.isBackup)
        AfxPrompt(WindowOf(owner), g_uiTexts.contactTreeWnd.t33010, g_uiTexts.dlgLogin.t20000, MB_ICONINFORMATION);
    return outcome;
}
