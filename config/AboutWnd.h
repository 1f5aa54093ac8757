#pragma once
// AboutWnd: the small modal about window of the main window's About command: a title, three
// lines (the product, its build, what it does), an OK button and a button that opens the
// maker's web page. OK and the corner button are the skin's close boxes.
#include "skin/ui/UIWnd.h"

class AboutWnd : public Vexel::CUIWnd {
public:
    AboutWnd();
    ~AboutWnd() override;

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    // Opens the maker's web page through the shell seam; the window stays open.
    void OnUrl();

    DECLARE_MESSAGE_MAP()

private:
    void InitTexts();
};
