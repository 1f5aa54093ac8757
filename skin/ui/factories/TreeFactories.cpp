#include "skin/ui/factories/TreeFactories.h"

#include "skin/model/MiscControlProperties.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinTreeCtrl.h"
#include "skin/ui/factories/ControlFactories.h"

namespace Vexel {

using namespace record_read;

CreatedControl CreateTreeCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto tree = std::make_unique<CSkinTreeCtrl>();
    const RECT rect = parent.ControlRect(record);
    if (!tree->Create(StyleFromProperties(record) | WS_CHILD, rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    tree->ApplyProperties(&record);
    SharedBitmap parts[2];
    if (CutListedParts(record, rect, {backgrounds.normal, backgrounds.disabled}, parts))
        tree->SetBackgroundImages(parts[0], parts[1]);
    return HandToWindow(std::move(tree));
}

void ReleaseTreeCtrl(CObject& control)
{
    ReleaseThroughControl<CSkinTreeCtrl>(control);
}

CreatedControl CreateScrollBarEx(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    auto bar = std::make_unique<CScrollBarEx>();
    const bool vertical = Switch(record, SbVar::IsVertical);
    const DWORD style = StyleFromProperties(record) | WS_CHILD | (vertical ? SBS_VERT : 0);
    if (!bar->Create(style, parent.ControlRect(record), &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    bar->ApplyStyle(Text(record, vertical ? SbVar::VerticalScrollbarStyleID : SbVar::HorizontalScrollbarStyleID));
    return HandToWindow(std::move(bar));
}

} // namespace Vexel
