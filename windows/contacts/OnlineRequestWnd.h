#pragma once
// COnlineRequestWnd: the pop-up that asks whether a requester may watch the user's presence
// (skin window IDW_ONLINEREQUEST), made on its caller's stack. DoModal gives 1 for Allow and 2
// for Reject (or Escape); afterwards GetGroupName names the group chosen for the requester.
#include "skin/ui/UIWnd.h"

#include <string>

class COnlineRequestWnd : public Vexel::CUIWnd {
    DECLARE_DYNAMIC(COnlineRequestWnd)
public:
    explicit COnlineRequestWnd(CWnd* owner = nullptr);
    ~COnlineRequestWnd() override;

    // Before DoModal: who asks ("name<sip:address>") and the request's text, both ANSI.
    void SetRequest(const std::string& requester, const std::string& requestText);
    // The group chosen with Allow, as shown; the default group's shown name when none was.
    CString GetGroupName();

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    // A press anywhere drags the pop-up.
    void OnLButtonDown(UINT flags, CPoint point);
    void OnAllow();
    void OnReject();

    DECLARE_MESSAGE_MAP()

private:
    void SetTexts();

    std::string m_requester;
    std::string m_requestText;
    CString m_groupName;
};
