#include "skin/ui/factories/ViewFactories.h"

#include "skin/model/MiscControlProperties.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/HtmlCtrl.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinDateTimeCtrl.h"
#include "skin/ui/controls/ThumbnailCtrl.h"
#include "skin/ui/controls/WaveCtrl.h"
#include "skin/ui/factories/ControlFactories.h"

namespace Vexel {

using namespace record_read;

namespace {

DWORD ChildStyle(const CTRLPROPERTIES& record)
{
    return StyleFromProperties(record) | WS_CHILD;
}

UINT IdOf(const CTRLPROPERTIES& record)
{
    return static_cast<UINT>(ControlIdOf(record));
}

// An item background of the record, as a file of the skin folder; null when missing.
HBITMAP LoadItemBackground(const CTRLPROPERTIES& record, int variable)
{
    return LoadBitmapFromFile(SkinImagePath(record.GetVar(variable)));
}

RECT RectOf(const CTRLPROPERTIES& record, int left)
{
    return RECT{Int(record, left), Int(record, left + 1), Int(record, left + 2), Int(record, left + 3)};
}

// The thumbnail set-up that comes before its window: the row height in list mode, else the
// item backgrounds, the cell size and where image and label go inside an item.
void SetUpThumbnail(CThumbnailCtrl& view, const CTRLPROPERTIES& record)
{
    if (Switch(record, ThmVar::IsListStyle)) {
        view.SetLineHeight(Int(record, ThmVar::TotalHeight));   // below 1: the default row stays
        return;
    }
    const HBITMAP images[] = {LoadItemBackground(record, ThmVar::ItemBkN), LoadItemBackground(record, ThmVar::ItemBkH),
                              LoadItemBackground(record, ThmVar::ItemBkS), LoadItemBackground(record, ThmVar::ItemBkD)};
    if (!view.SetThumbnailImages(images[0], images[1], images[2], images[3])) {
        for (HBITMAP image : images)
            DeleteBitmapHandle(image);   // refused: still ours
    }
    view.SetItemSize(Int(record, ThmVar::TotalWidth), Int(record, ThmVar::TotalHeight));
    // By what each names: the image and label rectangles of normal items, then of the
    // hot item.
    const RECT imageNormal = RectOf(record, ThmVar::ThmRectLeftN);
    const RECT labelNormal = RectOf(record, ThmVar::LblRectLeftN);
    const RECT imageHot = RectOf(record, ThmVar::ThmRectLeftH);
    const RECT labelHot = RectOf(record, ThmVar::LblRectLeftH);
    view.SetItemPartRects(&imageNormal, &labelNormal, &imageHot, &labelHot);
}

} // namespace

CreatedControl CreateThumbnail(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto view = std::make_unique<CThumbnailCtrl>();
    SetUpThumbnail(*view, record);
    const bool list = Switch(record, ThmVar::IsListStyle);
    const RECT rect = parent.ControlRect(record);
    const DWORD listBits = list ? static_cast<DWORD>(CThumbnailCtrl::kListStyle) : 0;
    if (!view->Create(ChildStyle(record) | listBits, rect, &parent, IdOf(record)))
        return {};
    view->SetCtrlClickMode(Switch(record, ThmVar::IsHoldCtrlKey));
    view->SetDragMode(Switch(record, ThmVar::IsDragDrop));
    // The view paints over the window's background even when the record names images.
    CBitmap part;
    CropBitmap(rect, backgrounds.normal, &part);
    view->SetBackgroundImage(static_cast<HBITMAP>(part.Detach()));
    const bool ownBar = Switch(record, ThmVar::EnableScrollBar);
    view->EnableScrollBar(ownBar ? SB_VERT : SB_HORZ, ESB_ENABLE_BOTH);
    if (ownBar)
        view->GetScrollBar().ApplyStyle(Text(record, ThmVar::VerticalScrollbarResID));
    return HandToWindow(std::move(view));
}

void ReleaseThumbnail(CObject& control)
{
    static_cast<CThumbnailCtrl&>(control).ReleaseImages();
}

CreatedControl CreateHtmlCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    auto view = std::make_unique<CHtmlCtrl>();
    if (!view->Create(nullptr, nullptr, ChildStyle(record), parent.ControlRect(record), &parent, IdOf(record)))
        return {};
    view->ApplyProperties(&record);
    return HandToWindow(std::move(view));
}

CreatedControl CreateDateTimeCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    auto picker = std::make_unique<CSkinDateTimeCtrl>();
    if (!picker->Create(ChildStyle(record), parent.ControlRect(record), &parent, IdOf(record)))
        return {};
    picker->ApplyProperties(&record);
    return HandToWindow(std::move(picker));
}

CreatedControl CreateWaveCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto wave = std::make_unique<CWaveCtrl>();
    const RECT rect = parent.ControlRect(record);
    if (!wave->Create(ChildStyle(record), rect, &parent, IdOf(record)))
        return {};
    wave->ApplyProperties(&record);
    // The graph has one look: of the window's normal and disabled parts only the normal.
    SharedBitmap part;
    if (CutListedParts(record, rect, {backgrounds.normal}, &part))
        wave->SetBackgroundImage(part);
    return HandToWindow(std::move(wave));
}

} // namespace Vexel
