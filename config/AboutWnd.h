#pragma once
// AboutWnd: the small modal about window of the main window's About command.
#include "skin/ui/UIWnd.h"

class AboutWnd : public Vexel::CUIWnd {
public:
    AboutWnd();
    ~AboutWnd() override;

protected:
    void SetWindowID() override;

    DECLARE_MESSAGE_MAP()
};
