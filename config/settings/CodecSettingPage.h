#pragma once
// CCodecSettingPage: the body the audio and video codec pages share. Two flat lists, the
// disabled and the enabled codecs, each filled from its numbered slots of the Options row; two
// arrow buttons move the selected entry to the end of the other list; selecting an entry shows
// what the page knows about it. Saving writes both lists, in their order on screen, back into
// the slots (entries beyond the slots are not saved) and into g_options.
//
// Some names are hidden: a stored slot holding one never becomes an entry, so a save drops it
// from the row (the engine takes none of them either); they appear only through the page's
// fall-back entries, which fill an empty page.
#include "config/settings/SettingPage.h"
#include "core/OptionsRecord.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace Vexel {
class CSkinTreeCtrl;
}

class CCodecSettingPage : public CSettingPage {
    DECLARE_DYNAMIC(CCodecSettingPage)
public:
    using Slot = std::string OptionsRecord::*;

    // What one page lists and where it stores it.
    struct Layout {
        int enabledListId;
        int disabledListId;
        const char* enabledColumn;    // the slot's column is this followed by its number from 1
        const char* disabledColumn;
        const Slot* enabledSlots;     // slotCount each
        const Slot* disabledSlots;
        int slotCount;
        const char* const* hiddenNames;
        int hiddenCount;
        const char* const* fallbackNames;
        int fallbackCount;
        // Audio: the fall-back fills the enabled list when that is empty. Video: it fills the
        // disabled list when both are empty.
        bool fallbackIntoEnabled;
    };

    explicit CCodecSettingPage(const Layout& layout);
    ~CCodecSettingPage() override;

protected:
    bool InitControls() override;
    void LoadValues() override;
    void SaveValues() override;

    // The information area: an entry's details, or nothing; a name the page does not know
    // leaves the area as it is.
    virtual void ShowCodecInfo(const CString& name) = 0;
    virtual void ClearCodecInfo() = 0;
    // Sets a bar's range to 0..10 and its position.
    void SetBar(int id, int position);

    void OnRight();
    void OnLeft();
    void OnCodecSelChanged(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void LoadCodecLists();
    bool IsHidden(const std::string& name) const;
    // Appends an entry at the end of `list`, making it the selection when asked.
    static void Append(Vexel::CSkinTreeCtrl& list, const CString& name, bool select);
    static void MoveSelected(Vexel::CSkinTreeCtrl& from, Vexel::CSkinTreeCtrl& to);
    // The first `count` entries' texts in ANSI, padded with empty texts to `count`.
    static std::vector<std::string> EntryTexts(const Vexel::CSkinTreeCtrl& list, int count);

    const Layout& m_layout;
    Vexel::CSkinTreeCtrl* m_pEnabledList = nullptr;
    Vexel::CSkinTreeCtrl* m_pDisabledList = nullptr;
};
