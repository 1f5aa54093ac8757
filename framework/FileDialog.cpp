#include "framework/FileDialog.h"

#include "framework/DelayLoad.h"
#include "framework/SystemAnswers.h"
#include "framework/Wnd.h"

#include <iterator>

BOOL SystemAnswers::ChooseFile(OPENFILENAMEW* ofn, BOOL openFileDialog) const
{
    if (!AfxDelayLoadable("comdlg32.dll"))
        return FALSE;   // as a Cancel: nothing was chosen
    return openFileDialog ? ::GetOpenFileNameW(ofn) : ::GetSaveFileNameW(ofn);
}

IMPLEMENT_DYNAMIC(CFileDialog, CObject)

CFileDialog::CFileDialog(BOOL openFileDialog, LPCWSTR defaultExt, LPCWSTR fileName, DWORD flags, LPCWSTR filter,
                         CWnd* parent)
    : m_ofn{}, m_openFileDialog(openFileDialog), m_parent(parent), m_filter(filter), m_defaultExt(defaultExt)
{
    if (fileName)
        lstrcpynW(m_file, fileName, static_cast<int>(std::size(m_file)));
    // The system wants the filter's parts each ended by a zero and the list by a second.
    m_filter.Replace(L'|', L'\0');
    if (!m_filter.IsEmpty() && m_filter[m_filter.GetLength() - 1] != L'\0')
        m_filter += L'\0';

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFilter = m_filter.IsEmpty() ? nullptr : m_filter.GetString();
    m_ofn.lpstrFile = m_file;
    m_ofn.nMaxFile = static_cast<DWORD>(std::size(m_file));
    m_ofn.lpstrDefExt = m_defaultExt.IsEmpty() ? nullptr : m_defaultExt.GetString();
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal()
{
    if (!m_ofn.hwndOwner)
        m_ofn.hwndOwner = CWnd::GetSafeOwner_(m_parent ? m_parent->GetSafeHwnd() : nullptr, nullptr);
    m_file[std::size(m_file) - 1] = L'\0';
    const BOOL chosen = GetSystemAnswers().ChooseFile(&m_ofn, m_openFileDialog);
    m_file[std::size(m_file) - 1] = L'\0';   // an answer that overran its buffer still ends here
    if (!chosen || m_file[0] == L'\0') {
        m_file[0] = L'\0';
        return IDCANCEL;
    }
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    const CString path = GetPathName();
    return path.Mid(path.ReverseFind(L'\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}
