#include "windows/contacts/PresenceNotice.h"

#include "framework/SystemAnswers.h"
#include "resources/ProgramIds.h"
#include "windows/notifier/TaskbarNotifier.h"

#include <memory>

namespace {

constexpr COLORREF kNoticeTextColor = RGB(0, 0, 0);
// The notice bitmap's white (255 in each component) is cut out of the window.
constexpr WORD kCutOutComponent = 255;
constexpr UINT kAppearMs = 500;
constexpr UINT kStayMs = 3000;
constexpr UINT kHideMs = 500;

// The notifier bitmap's size, read once: every notice uses it for its text rectangle.
SIZE NoticeSize()
{
    static const SIZE size = [] {
        SIZE measured{0, 0};
        CBitmap bitmap;
        BITMAP info{};
        if (bitmap.LoadBitmap(IDB_MSGBOX) && bitmap.GetBitmap(&info))
            measured = {info.bmWidth, info.bmHeight};
        return measured;
    }();
    return size;
}

} // namespace

void ShowPresenceNotice(CWnd* owner, const CString& text)
{
    if (!GetSystemAnswers().TakePresenceNotice(owner, text))
        ShowTaskbarNotice(owner, text);
}

void ShowTaskbarNotice(CWnd* owner, const CString& text)
{
    // The notifier deletes itself once its window is gone, and also when Create fails.
    CTaskbarNotifier* const notifier = std::make_unique<CTaskbarNotifier>().release();
    if (!notifier->Create(owner))
        return;
    notifier->SetSkin(IDB_MSGBOX, kCutOutComponent, kCutOutComponent, kCutOutComponent);
    notifier->SetTextFont(L"Trebuchet MS", 90, 0, 1);
    notifier->SetTextColor(kNoticeTextColor, kNoticeTextColor);
    const SIZE size = NoticeSize();
    notifier->SetTextRect(RECT{20, 25, size.cx - 20, size.cy - 15});
    notifier->Show(text, kAppearMs, kStayMs, kHideMs, 1);
}
