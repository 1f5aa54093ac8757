#pragma once
// The test's own system table (framework/SystemAnswers.h), in place while the object lives.
// A test derives from it and overrides what it answers itself; every other question goes on
// to the table that was in place before, so scopes nest (a fixture's, then a test's), and
// that table comes back when the object goes.
#include "framework/SystemAnswers.h"

namespace lumeo_test {

class SystemAnswersScope : public SystemAnswers {
public:
    SystemAnswersScope() : m_previous(&GetSystemAnswers()) { SetSystemAnswers(this); }
    ~SystemAnswersScope() override { SetSystemAnswers(m_previous); }
    SystemAnswersScope(const SystemAnswersScope&) = delete;
    SystemAnswersScope& operator=(const SystemAnswersScope&) = delete;

    bool GetVersion(OSVERSIONINFOW& info) const override { return m_previous->GetVersion(info); }
    HRESULT QueryComposition(BOOL& enabled) const override { return m_previous->QueryComposition(enabled); }
    SIZE GetScreenDpi() const override { return m_previous->GetScreenDpi(); }
    ScreenArea GetScreenArea() const override { return m_previous->GetScreenArea(); }
    bool IsKeyDown(int virtualKey) const override { return m_previous->IsKeyDown(virtualKey); }
    CString GetProgramFolder() const override { return m_previous->GetProgramFolder(); }
    std::uint32_t GetTicks() const override { return m_previous->GetTicks(); }
    std::int64_t GetNow() const override { return m_previous->GetNow(); }
    void Pause(DWORD milliseconds) const override { m_previous->Pause(milliseconds); }
    HWND GetPromptOwner() const override { return m_previous->GetPromptOwner(); }
    int Prompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) const override
    {
        return m_previous->Prompt(owner, text, caption, type);
    }
    BOOL ChooseFile(OPENFILENAMEW* ofn, BOOL openFileDialog) const override
    {
        return m_previous->ChooseFile(ofn, openFileDialog);
    }
    PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW* info) const override { return m_previous->BrowseForFolder(info); }
    HRESULT MakeHtmlBrowser(IOleObject** browser) const override { return m_previous->MakeHtmlBrowser(browser); }
    void ShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show) const override
    {
        m_previous->ShellOpen(owner, verb, file, show);
    }
    BOOL TrayIcon(DWORD message, NOTIFYICONDATAW* data) const override { return m_previous->TrayIcon(message, data); }
    BOOL PlaySoundFile(LPCWSTR path, DWORD flags) const override { return m_previous->PlaySoundFile(path, flags); }
    std::optional<int> AnswerMessageBox(const CString& caption, const CString& message, CWnd* owner) const override
    {
        return m_previous->AnswerMessageBox(caption, message, owner);
    }
    std::optional<BOOL> AnswerPopupMenu(CMenu* popup, UINT menuId, int x, int y, CWnd* owner) const override
    {
        return m_previous->AnswerPopupMenu(popup, menuId, x, y, owner);
    }
    bool TakePresenceNotice(CWnd* owner, const CString& text) const override
    {
        return m_previous->TakePresenceNotice(owner, text);
    }

protected:
    // The table this one stands in front of.
    const SystemAnswers& Previous() const { return *m_previous; }

private:
    const SystemAnswers* const m_previous;
};

} // namespace lumeo_test
