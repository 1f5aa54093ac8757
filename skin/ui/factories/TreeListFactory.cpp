#include "skin/ui/factories/TreeListFactory.h"

#include "skin/model/TreeProperties.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/TreeList.h"
#include "skin/ui/controls/TreeListCtrl.h"
#include "skin/ui/factories/ControlFactories.h"

namespace Vexel {
namespace {

constexpr int kHeaderHeight = 24;

} // namespace

CreatedControl CreateTreeList(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto list = std::make_unique<CTreeListCtrl>();
    const RECT rect = parent.ControlRect(record);
    // Looks wrong, and is kept: the record's variable-height switch goes to the argument that
    // chooses the skinned scroll bar, not to anything about row heights. Existing skins set
    // the switch for that effect.
    const BOOL ownScrollBar = record_read::Switch(record, TreeListVar::IsVariableItemHeight) ? TRUE : FALSE;
    if (!list->Create(StyleFromProperties(record) | WS_CHILD, rect, &parent, static_cast<UINT>(ControlIdOf(record)),
                      kHeaderHeight, ownScrollBar, CTreeListCtrl::kDefaultScrollBarWidth))
        return {};
    list->ApplyProperties(&record);
    SharedBitmap parts[2];
    if (CutListedParts(record, rect, {backgrounds.normal, backgrounds.disabled}, parts))
        list->GetTreeList()->SetBackgroundImages(parts[0], parts[1]);
    return HandToWindow(std::move(list));
}

void ReleaseTreeList(CObject& control)
{
    ReleaseThroughControl<CTreeListCtrl>(control);
}

} // namespace Vexel
