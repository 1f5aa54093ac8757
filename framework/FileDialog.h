#pragma once
// CFileDialog: the system's open-file and save-file dialogs. The dialog itself is asked of
// the system table (framework/SystemAnswers.h, ChooseFile): GetOpenFileNameW or
// GetSaveFileNameW, unless a test's table answers; it sees the OPENFILENAMEW as the system
// would (owner, filter, initial folder, flags) and answers as the system does, by writing
// the chosen path into lpstrFile and returning TRUE, or FALSE for Cancel.
#include "framework/Object.h"
#include "framework/String.h"

#include <windows.h>
#include <commdlg.h>

class CWnd;

class CFileDialog : public CObject {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // `filter`: pairs of description and pattern, each part ended by '|' and the whole by
    // a second '|' ("Bitmap Files (*.bmp)|*.bmp||"); null offers no filter. `fileName` is
    // the name the dialog starts with. `parent` null: owned by the main window (its active
    // popup).
    CFileDialog(BOOL openFileDialog, LPCWSTR defaultExt = nullptr, LPCWSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCWSTR filter = nullptr,
                CWnd* parent = nullptr);

    // Callers may set further fields (lpstrInitialDir, lpstrTitle) before DoModal.
    OPENFILENAMEW m_ofn;

    // IDOK when a file was chosen, else IDCANCEL (also when the dialog could not be shown).
    INT_PTR DoModal();

    // The chosen file: full path, name with extension, extension without the dot, name
    // without it. Empty before a choice.
    CString GetPathName() const { return CString(m_file); }
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;

private:
    BOOL m_openFileDialog;
    CWnd* m_parent;
    CString m_filter;        // the filter with its '|' turned into zeros
    CString m_defaultExt;
    wchar_t m_file[1024] = {};
};
