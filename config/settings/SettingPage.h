#pragma once
// CSettingPage: what the seven pages of the settings dialog share. A page is a skinned child
// window that the dialog's page manager creates the first time it is shown; its creation sets
// its texts and fills its controls (from g_options, some pages also from the engine) and then
// marks the page loaded. Save reads the controls into g_options and the Options row, and does
// nothing for a page that was never loaded, so a page the user never opened leaves its part of
// the row alone. The cancel step undoes what a page did live (only the devices page has any).
#include "config/settings/OptionsUpdate.h"
#include "engine/TavikCore.h"
#include "skin/ui/UIWnd.h"

#include <initializer_list>

class CSettingPage : public Vexel::CUIWnd {
    DECLARE_DYNAMIC(CSettingPage)
public:
    CSettingPage() = default;
    ~CSettingPage() override;

    // Nothing unless loaded; otherwise the page's SaveValues.
    void Save();
    virtual void CancelStep() {}
    bool IsLoaded() const { return m_loaded != 0; }

protected:
    int OnCreate(LPCREATESTRUCT cs);

    // Creation steps, in this order: binding controls (false ends the creation), texts, values.
    virtual bool InitControls() { return true; }
    virtual void SetTexts() = 0;
    virtual void LoadValues() = 0;
    virtual void SaveValues() = 0;

    // One control's text from the UI text table.
    struct TextSlot {
        int id;
        const CString* text;
    };
    void SetItemTexts(std::initializer_list<TextSlot> texts);

    // Check boxes and radio buttons (BM_GETCHECK / BM_SETCHECK); a missing control reads as
    // cleared.
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    CString ItemText(int id) const;
    // The control's text in ANSI read as a decimal number: its leading digits after blanks
    // and one sign; 0 when it starts with none.
    int ItemNumber(int id) const;
    void SetItemNumber(int id, int value);
    // Combo boxes: the selected row, or -1 when none (or no such control).
    int SelectedRow(int id) const;
    // Selects `row`; a row outside the list leaves none selected.
    void SelectRow(int id, int row);
    void AddRow(int id, const CString& text);

    DECLARE_MESSAGE_MAP()

private:
    int m_loaded = 0;
};

// The main window's engine handle; 0 while signed out or without a main window.
TavikHandle SettingsEngineHandle();
