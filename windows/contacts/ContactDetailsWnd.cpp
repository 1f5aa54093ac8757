#include "windows/contacts/ContactDetailsWnd.h"

#include "config/ControlValues.h"
#include "config/EditTab.h"
#include "core/AccountRecord.h"
#include "core/AvatarPaths.h"
#include "core/Base64.h"
#include "core/ProgramFolder.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "framework/FileDialog.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SkinButton.h"
#include "texts/UiTextTable.h"
#include "windows/contacts/ContactRow.h"
#include "windows/contacts/GroupCombo.h"
#include "windows/contacts/SipAddress.h"
#include "windows/msgbox/MessageBox.h"


using Vexel::CUIWnd;

namespace {

// The edits a view shows read-only, with the column each shows.
struct EditColumn {
    int id;
    const char* column;
    bool encoded;   // URL-safe Base64 in the table
};
constexpr EditColumn kEditColumns[] = {
    {IDC_EDT_FIRSTNAME, "FirstName", true},  {IDC_EDT_LASTNAME, "LastName", true},
    {IDC_EDT_NICKNAME, "NickName", true},    {IDC_EDT_JOBTITLE, "JobTitle", true},
    {IDC_EDT_EMAIL, "Email", false},         {IDC_EDT_HOMEPHONE, "HomePhone", false},
    {IDC_EDT_WORKPHONE, "WorkPhone", false}, {IDC_EDT_MOBILE, "MobilePhone", false},
};

HBITMAP LoadBitmapFile(const CString& path)
{
    return static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
}

} // namespace

IMPLEMENT_DYNAMIC(CContactDetailsWnd, CUIWnd)

BEGIN_MESSAGE_MAP(CContactDetailsWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_WM_SHOWWINDOW()
    ON_BN_CLICKED(IDC_BTN_SELECTPIC, &CContactDetailsWnd::OnSelectPic)
    ON_BN_CLICKED(IDC_BTN_SAVECONTACT, &CContactDetailsWnd::OnSaveContact)
END_MESSAGE_MAP()

CContactDetailsWnd::CContactDetailsWnd(CWnd* owner) : CUIWnd(owner)
{
}

CContactDetailsWnd::~CContactDetailsWnd() = default;

void CContactDetailsWnd::SetWindowID()
{
    m_nWindowID = IDW_CONTACTDETAILS;
}

BOOL CContactDetailsWnd::PreTranslateMessage(MSG* msg)
{
    if (msg && MoveFocusOnEditTab(*msg))
        return TRUE;
    return CUIWnd::PreTranslateMessage(msg);
}

int CContactDetailsWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (CUIWnd::OnCreate(cs) == -1)
        return -1;   // the skin's children already exist here
    CenterWindow();
    FillGroupCombo(GetDlgItem(IDC_CMB_GROUP));
    SetTexts();
    return 0;
}

void CContactDetailsWnd::SetTexts()
{
    const UiContactDetailsWndTexts& texts = g_uiTexts.contactDetailsWnd;
    SetControlTexts(*this, {
        {IDC_STA_TITLE, texts.t32018},       {IDC_STA_NAME, texts.t32003},     {IDC_STA_FIRST, texts.t32004},
        {IDC_STA_LAST, texts.t32006},        {IDC_STA_NICKNAME, texts.t32007}, {IDC_STA_JOB, texts.t32008},
        {IDC_STA_SIPNUMBER, texts.t32009},   {IDC_STA_EMAIL, texts.t32011},    {IDC_STA_GROUP, g_uiTexts.onlineWnd.t34003},
        {IDC_STA_PHONENUMBER, texts.t32012}, {IDC_STA_HOME, texts.t32013},     {IDC_STA_WORK, texts.t32014},
        {IDC_STA_MOBILE, texts.t32015},      {IDC_BTN_SAVECONTACT, texts.t32016}, {IDC_BTN_CANCEL, texts.t32017},
    });
}

void CContactDetailsWnd::OnShowWindow(BOOL show, UINT status)
{
    CUIWnd::OnShowWindow(show, status);
    if (!show || m_shown)
        return;
    m_shown = true;   // a second show must not undo what the user typed
    if (m_mode == kAddMode)
        SetDlgItemText(IDC_EDT_SIPNUMBER, AnsiToWide(m_sipUri));
    else
        LoadContact();
    ApplyMode();
}

void CContactDetailsWnd::LoadContact()
{
    SqlTable table;
    if (!g_database.Query("select * from Contacts where SIPUri = ?", {m_sipUri}, table) ||
        table.Rows() < 1)
        return;
    for (int c = 0; c < table.Columns(); ++c) {
        const char* const name = table.Name(c);
        const char* const stored = table.Value(0, c);
        const std::string value = stored ? stored : "";
        for (const EditColumn& edit : kEditColumns) {
            if (IsColumn(name, edit.column))
                SetDlgItemText(edit.id, AnsiToWide(edit.encoded ? Base64Decode(value) : value));
        }
        if (IsColumn(name, "SIPUri")) {
            SetDlgItemText(IDC_EDT_SIPNUMBER, AnsiToWide(value));
        } else if (IsColumn(name, "GroupName")) {
            CWnd* const groups = GetDlgItem(IDC_CMB_GROUP);
            if (!groups)
                continue;
            const CString group = AnsiToWide(Base64Decode(value));
            // The default group is entry 0: a search that lands there, or fails, keeps it.
            const LRESULT found = groups->SendMessage(CB_FINDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(group)));
            groups->SendMessage(CB_SETCURSEL, found > 0 ? static_cast<WPARAM>(found) : 0);
        } else if (IsColumn(name, "Icon")) {
            ShowAvatar(AnsiToWide(GetAvatarBitmapPath(Base64Decode(value))));
        }
    }
}

void CContactDetailsWnd::ApplyMode()
{
    const bool viewing = m_mode == kViewMode;
    for (const EditColumn& edit : kEditColumns)
        SetEditReadOnly(edit.id, viewing);
    // The address is the contact's key: it is typed once, when the contact is added.
    SetEditReadOnly(IDC_EDT_SIPNUMBER, m_mode != kAddMode);
    if (CWnd* const groups = GetDlgItem(IDC_CMB_GROUP))
        groups->EnableWindow(!viewing);
    if (CWnd* const picture = GetDlgItem(IDC_BTN_SELECTPIC))
        picture->EnableWindow(!viewing);
}

void CContactDetailsWnd::SetEditReadOnly(int id, bool readOnly)
{
    if (CWnd* const edit = GetDlgItem(id))
        edit->SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

bool CContactDetailsWnd::ShowAvatar(const CString& path)
{
    auto* const button = dynamic_cast<Vexel::CSkinButton*>(GetDlgItem(IDC_BTN_SELECTPIC));
    if (!button)
        return false;
    const HBITMAP picture = LoadBitmapFile(path);
    if (!picture)
        return false;
    // The button owns the picture from here, in all four looks.
    button->SetBitmaps(picture, picture, picture, picture, TRUE, TRUE);
    return true;
}

void CContactDetailsWnd::OnSelectPic()
{
    const CString folder = GetProgramFolder() + L"skins\\Lumeo\\avatars";
    ::CreateDirectoryW(folder, nullptr);   // an existing folder is fine
    CFileDialog dialog(TRUE, nullptr, nullptr, 0, L"Bitmap Files (*.bmp)|*.bmp||", this);
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return;
    // A file that is no bitmap leaves the picture and the choice as they were.
    if (ShowAvatar(dialog.GetPathName()))
        m_avatarPath = WideToAnsi(dialog.GetPathName());
}

CContactDetailsWnd::Fields CContactDetailsWnd::ReadFields() const
{
    const auto text = [this](int id) { return WideToAnsi(ControlText(GetDlgItem(id))); };
    Fields fields;
    fields.firstName = text(IDC_EDT_FIRSTNAME);
    fields.lastName = text(IDC_EDT_LASTNAME);
    fields.nickName = text(IDC_EDT_NICKNAME);
    fields.jobTitle = text(IDC_EDT_JOBTITLE);
    fields.sipUri = text(IDC_EDT_SIPNUMBER);
    fields.email = text(IDC_EDT_EMAIL);
    fields.homePhone = text(IDC_EDT_HOMEPHONE);
    fields.workPhone = text(IDC_EDT_WORKPHONE);
    fields.mobilePhone = text(IDC_EDT_MOBILE);
    CString group = ControlText(GetDlgItem(IDC_CMB_GROUP));
    if (group.IsEmpty())
        group = g_uiTexts.contactDetailsWnd.t32000;
    fields.group = WideToAnsi(group);
    return fields;
}

void CContactDetailsWnd::OnSaveContact()
{
    if (m_mode == kViewMode) {
        EndDialog(IDCANCEL);
        return;
    }
    Fields fields = ReadFields();
    if (fields.firstName.empty() || fields.sipUri.empty()) {
        ShowMessageBox(g_uiTexts.contactDetailsWnd.t32001, this);
        return;   // the form stays open with what was typed
    }
    // Editing keeps the stored key as it is, whatever shape it has.
    fields.sipUri = m_mode == kEditMode ? m_sipUri
                                        : CompleteSipAddress(fields.sipUri, g_account.ProxyServer, g_account.ProxyPort);
    if (m_tree)
        StoreContact(fields);
    m_avatarPath.clear();
    EndDialog(IDOK);
}
