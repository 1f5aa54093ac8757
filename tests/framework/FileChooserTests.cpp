// The file dialog and the folder chooser are answered by the system table: a test's table sees
// what the system would be shown (owner, filter, folder, title, flags) and its answer
// comes back as the chosen path; Cancel and a folder without a path change nothing, and
// the shell's item list of a choice is freed.
#include "framework/FileDialog.h"
#include "framework/FolderBrowser.h"
#include "framework/WinApp.h"
#include "tests/framework/WindowTestSupport.h"
#include "tests/support/SystemAnswersScope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

struct FileDialogSeen {
    BOOL open = FALSE;
    HWND owner = nullptr;
    std::wstring filter;   // zeros shown as '|'
    std::wstring initialDir;
    std::wstring defaultExt;
    std::wstring startName;
    DWORD flags = 0;
};

FileDialogSeen g_fileSeen;
const wchar_t* g_fileAnswer = nullptr;   // null: Cancel

std::wstring ShowZeros(const wchar_t* list)
{
    std::wstring shown;
    if (!list)
        return shown;
    // The list ends at the first pair of zeros.
    for (const wchar_t* p = list; p[0] || p[1]; ++p)
        shown += p[0] ? p[0] : L'|';
    return shown + L"||";
}

class ScriptedFileDialog : public lumeo_test::SystemAnswersScope {
public:
    BOOL ChooseFile(OPENFILENAMEW* ofn, BOOL open) const override
    {
        g_fileSeen.open = open;
        g_fileSeen.owner = ofn->hwndOwner;
        g_fileSeen.filter = ShowZeros(ofn->lpstrFilter);
        g_fileSeen.initialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : L"";
        g_fileSeen.defaultExt = ofn->lpstrDefExt ? ofn->lpstrDefExt : L"";
        g_fileSeen.startName = ofn->lpstrFile;
        g_fileSeen.flags = ofn->Flags;
        if (!g_fileAnswer)
            return FALSE;
        lstrcpynW(ofn->lpstrFile, g_fileAnswer, static_cast<int>(ofn->nMaxFile));
        return TRUE;
    }
};

class FileDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_fileSeen = FileDialogSeen();
        g_fileAnswer = nullptr;
    }
    void TearDown() override { EXPECT_EQ(&answers, &GetSystemAnswers()); }

    ScriptedFileDialog answers;
};

TEST_F(FileDialogTest, TheHandlerSeesTheDialogAndItsAnswerIsTheChoice)
{
    wndtest::Frame owner;
    ASSERT_TRUE(owner.Make(L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    CFileDialog dialog(TRUE, nullptr, nullptr, 0, L"Bitmap Files (*.bmp)|*.bmp||", &owner);
    dialog.m_ofn.lpstrInitialDir = L"C:\\skins\\Lumeo\\avatars";
    g_fileAnswer = L"C:\\skins\\Lumeo\\avatars\\face.small.bmp";

    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(g_fileSeen.open);
    EXPECT_EQ(owner.m_hWnd, g_fileSeen.owner);
    EXPECT_EQ(L"Bitmap Files (*.bmp)|*.bmp||", g_fileSeen.filter);
    EXPECT_EQ(L"C:\\skins\\Lumeo\\avatars", g_fileSeen.initialDir);
    EXPECT_EQ(L"", g_fileSeen.startName);
    EXPECT_TRUE(g_fileSeen.flags & OFN_EXPLORER);
    EXPECT_EQ(CString(g_fileAnswer), dialog.GetPathName());
    EXPECT_EQ(CString(L"face.small.bmp"), dialog.GetFileName());
    EXPECT_EQ(CString(L"bmp"), dialog.GetFileExt());
    EXPECT_EQ(CString(L"face.small"), dialog.GetFileTitle());
}

TEST_F(FileDialogTest, FiltersReachTheSystemAsZeroSeparatedLists)
{
    struct Case {
        const wchar_t* filter;
        const wchar_t* seen;
    };
    const Case cases[] = {
        {L"WAV Files (*.wav)|*.wav||", L"WAV Files (*.wav)|*.wav||"},
        {L"Contacts (*.db)|*.db|All (*.*)|*.*||", L"Contacts (*.db)|*.db|All (*.*)|*.*||"},
        {L"Unended (*.db)|*.db", L"Unended (*.db)|*.db||"},
        {nullptr, L""},
    };
    for (const Case& c : cases) {
        CFileDialog dialog(TRUE, nullptr, nullptr, 0, c.filter);
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(std::wstring(c.seen), g_fileSeen.filter) << (c.filter ? c.filter : L"(none)");
    }
}

TEST_F(FileDialogTest, CancelLeavesNoChoiceAndSaveDialogsKeepTheirDefaults)
{
    CFileDialog open(TRUE);
    EXPECT_EQ(IDCANCEL, open.DoModal());
    EXPECT_TRUE(open.GetPathName().IsEmpty());

    CFileDialog save(FALSE, L"db", L"Lumeo_Back.db");
    g_fileAnswer = L"D:\\backup\\Lumeo_Back.db";
    EXPECT_EQ(IDOK, save.DoModal());
    EXPECT_FALSE(g_fileSeen.open);
    EXPECT_EQ(L"db", g_fileSeen.defaultExt);
    EXPECT_EQ(L"Lumeo_Back.db", g_fileSeen.startName);
    EXPECT_TRUE(g_fileSeen.flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(CString(L"D:\\backup\\Lumeo_Back.db"), save.GetPathName());
}

// --- folder chooser

// Sees every free of the task allocator, to show the chooser's item list is given back.
class FreeWatch : public IMallocSpy {
public:
    std::vector<void*> freed;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMallocSpy)) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T request) override { return request; }
    void* STDMETHODCALLTYPE PostAlloc(void* actual) override { return actual; }
    void* STDMETHODCALLTYPE PreFree(void* request, BOOL) override
    {
        freed.push_back(request);
        return request;
    }
    void STDMETHODCALLTYPE PostFree(BOOL) override {}
    SIZE_T STDMETHODCALLTYPE PreRealloc(void* request, SIZE_T size, void** actual, BOOL) override
    {
        *actual = request;
        return size;
    }
    void* STDMETHODCALLTYPE PostRealloc(void* actual, BOOL) override { return actual; }
    void* STDMETHODCALLTYPE PreGetSize(void* request, BOOL) override { return request; }
    SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T actual, BOOL) override { return actual; }
    void* STDMETHODCALLTYPE PreDidAlloc(void* request, BOOL) override { return request; }
    int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int actual) override { return actual; }
    void STDMETHODCALLTYPE PreHeapMinimize() override {}
    void STDMETHODCALLTYPE PostHeapMinimize() override {}
};

// One spy for the whole program: the allocator may keep it registered a little longer
// than a test.
FreeWatch& Watch()
{
    static FreeWatch watch;
    watch.freed.clear();
    return watch;
}

struct FolderSeen {
    HWND owner = nullptr;
    std::wstring title;
    UINT flags = 0;
    bool rootIsDesktop = false;
};

FolderSeen g_folderSeen;
PIDLIST_ABSOLUTE g_folderAnswer = nullptr;

class ScriptedFolderBrowser : public lumeo_test::SystemAnswersScope {
public:
    PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW* info) const override
    {
        g_folderSeen.owner = info->hwndOwner;
        g_folderSeen.title = info->lpszTitle ? info->lpszTitle : L"";
        g_folderSeen.flags = info->ulFlags;
        g_folderSeen.rootIsDesktop = info->pidlRoot == nullptr;
        return std::exchange(g_folderAnswer, nullptr);
    }
};

class FolderBrowserTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        g_folderSeen = FolderSeen();
        g_folderAnswer = nullptr;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = temp;
        folder.TrimRight(L'\\');
    }
    void TearDown() override
    {
        EXPECT_EQ(&answers, &GetSystemAnswers());
        ::CoTaskMemFree(std::exchange(g_folderAnswer, nullptr));
    }

    ScriptedFolderBrowser answers;
    CString folder;
};

TEST_F(FolderBrowserTest, AChosenFolderGivesItsPathAndItsItemListIsFreed)
{
    g_folderAnswer = ILCreateFromPathW(folder);
    const void* const items = g_folderAnswer;
    ASSERT_NE(nullptr, items);
    FreeWatch& watch = Watch();
    ASSERT_EQ(S_OK, CoRegisterMallocSpy(&watch));

    wndtest::Frame owner;
    ASSERT_TRUE(owner.Make());
    CString path = L"unchanged";
    const BOOL chosen = AfxBrowseForFolder(owner.m_hWnd, L"Choose the recordings folder", BIF_RETURNONLYFSDIRS, path);
    EXPECT_EQ(S_OK, CoRevokeMallocSpy());

    EXPECT_TRUE(chosen);
    EXPECT_EQ(0, path.CompareNoCase(folder)) << std::wstring(path.GetString());
    EXPECT_EQ(owner.m_hWnd, g_folderSeen.owner);
    EXPECT_EQ(L"Choose the recordings folder", g_folderSeen.title);
    EXPECT_EQ(static_cast<UINT>(BIF_RETURNONLYFSDIRS), g_folderSeen.flags);
    EXPECT_TRUE(g_folderSeen.rootIsDesktop);
    EXPECT_NE(watch.freed.end(), std::find(watch.freed.begin(), watch.freed.end(), items));
}

TEST_F(FolderBrowserTest, CancelAndAFolderWithoutAPathLeaveThePathAsItWas)
{
    CString path = L"C:\\before";
    EXPECT_FALSE(AfxBrowseForFolder(nullptr, L"title", BIF_RETURNONLYFSDIRS, path));
    EXPECT_EQ(CString(L"C:\\before"), path);

    PIDLIST_ABSOLUTE computer = nullptr;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer));
    FreeWatch& watch = Watch();
    ASSERT_EQ(S_OK, CoRegisterMallocSpy(&watch));
    g_folderAnswer = computer;
    EXPECT_FALSE(AfxBrowseForFolder(nullptr, L"title", BIF_RETURNONLYFSDIRS, path));
    EXPECT_EQ(S_OK, CoRevokeMallocSpy());
    EXPECT_EQ(CString(L"C:\\before"), path);
    EXPECT_NE(watch.freed.end(), std::find(watch.freed.begin(), watch.freed.end(), static_cast<void*>(computer)));
}

} // namespace
