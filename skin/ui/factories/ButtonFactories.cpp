#include "skin/ui/factories/ButtonFactories.h"

#include "skin/model/ButtonProperties.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/SkinButton.h"
#include "skin/ui/factories/ControlFactories.h"

namespace Vexel {

using namespace record_read;

namespace {

std::unique_ptr<CSkinButton> MakeButton(CUIWnd& parent, const CTRLPROPERTIES& record, DWORD style)
{
    if (Switch(record, BtnBaseVar::IsMultiline))
        style |= BS_MULTILINE;
    auto button = std::make_unique<CSkinButton>();
    if (!button->Create(Text(record, BtnBaseVar::Caption), StyleFromProperties(record) | style,
                        parent.ControlRect(record), &parent, static_cast<UINT>(ControlIdOf(record))))
        return nullptr;
    return button;
}

// The new default push button takes the window's default id; the one that had it loses its
// default look (not redrawn yet: the window is still being made).
void TakeDefaultButton(CUIWnd& parent, CSkinButton& button)
{
    const LRESULT current = parent.SendMessage(DM_GETDEFID);
    if (current && HIWORD(current) == DC_HASDEFID) {
        const HWND previous = ::GetDlgItem(parent, LOWORD(current));
        if (previous && previous != button.GetSafeHwnd())
            ::SendMessageW(previous, BM_SETSTYLE, button.GetStyle() & ~static_cast<DWORD>(BS_DEFPUSHBUTTON), FALSE);
    }
    parent.SendMessage(DM_SETDEFID, static_cast<WPARAM>(button.GetDlgCtrlID()));
}

// The parts of the window's backgrounds replace the button's state backgrounds.
void HandParts(CSkinButton& button, const SharedBitmap (&parts)[4])
{
    button.ShareBitmaps(parts, false);
    button.RedrawControl(&button);
}

// Check boxes and radio buttons: the parts, then checked backgrounds to go with them: the
// skin's own files, or, where the background never changes, more copies of the part.
CreatedControl MakeToggle(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds, DWORD style,
                          int (CSkinButton::*apply)(CTRLPROPERTIES*))
{
    std::unique_ptr<CSkinButton> button = MakeButton(parent, record, style);
    if (!button)
        return {};
    ((*button).*apply)(&record);
    SharedBitmap parts[4];
    if (CutStateParts(record, parent.ControlRect(record), backgrounds, PartsFromNormal::CopyOne, parts)) {
        SharedBitmap checked[4];
        const bool changes = Switch(record, CtrlVar::IsCanBackgroundChange);
        for (int i = 0; i < 4; ++i) {
            if (changes)
                LoadSkinImage(record.GetVar(ToggleBtnVar::BackgroundCheckedNormal + i), checked[i]);
            else
                checked[i] = parts[0];   // only read, so the part itself serves
        }
        HandParts(*button, parts);
        button->ShareBitmaps(checked, true);
        button->RedrawControl(button.get());
    }
    return HandToWindow(std::move(button));
}

} // namespace

CreatedControl CreatePushButton(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    const DWORD style = Switch(record, BtnVar::IsDefPushButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    std::unique_ptr<CSkinButton> button = MakeButton(parent, record, style);
    if (!button)
        return {};
    if (style & BS_DEFPUSHBUTTON)
        TakeDefaultButton(parent, *button);
    button->ApplyPushButtonProperties(&record);
    SharedBitmap parts[4];
    if (CutStateParts(record, parent.ControlRect(record), backgrounds, PartsFromNormal::CutEach, parts))
        HandParts(*button, parts);
    return HandToWindow(std::move(button));
}

CreatedControl CreateCheckBox(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    return MakeToggle(parent, record, backgrounds, BS_AUTOCHECKBOX, &CSkinButton::ApplyCheckBoxProperties);
}

CreatedControl CreateRadioButton(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    const DWORD group = Switch(record, RadVar::IsGroup) ? WS_GROUP : 0;
    return MakeToggle(parent, record, backgrounds, BS_AUTORADIOBUTTON | group,
                      &CSkinButton::ApplyRadioButtonProperties);
}

void ReleaseSkinButton(CObject& button)
{
    ReleaseThroughControl<CSkinButton>(button);
}

} // namespace Vexel
