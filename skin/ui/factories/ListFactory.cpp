#include "skin/ui/factories/ListFactory.h"

#include "skin/model/TreeProperties.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/SkinListCtrl.h"
#include "skin/ui/factories/ControlFactories.h"

#include <commctrl.h>

namespace Vexel {

using namespace record_read;

namespace {

DWORD ListStyle(const CTRLPROPERTIES& record)
{
    DWORD style = StyleFromProperties(record) | WS_CHILD |
                  SwitchBits(record, {{ListVar::Border, WS_BORDER},
                                      {ListVar::IsAutoArrange, LVS_AUTOARRANGE},
                                      {ListVar::IsEditLabels, LVS_EDITLABELS},
                                      {ListVar::IsNoHeader, LVS_NOCOLUMNHEADER},
                                      {ListVar::IsNoLabelWrap, LVS_NOLABELWRAP},
                                      {ListVar::IsNoScroll, LVS_NOSCROLL},
                                      {ListVar::IsNoSortHeader, LVS_NOSORTHEADER},
                                      {ListVar::IsShowSelAlways, LVS_SHOWSELALWAYS},
                                      {ListVar::IsSingleSel, LVS_SINGLESEL}});
    static constexpr DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    const int view = Enum(record, ListVar::ListStyle, ValueKind::ListStyle);
    if (view >= 0 && view < 4)
        style |= kViews[view];
    if (Enum(record, ListVar::ListAlign, ValueKind::ListAlign) == 1)
        style |= LVS_ALIGNLEFT;
    switch (Enum(record, ListVar::ListSort, ValueKind::ListSort)) {
    case 1: style |= LVS_SORTASCENDING; break;
    case 2: style |= LVS_SORTDESCENDING; break;
    default: break;
    }
    return style;
}

} // namespace

CreatedControl CreateListCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto list = std::make_unique<CSkinListCtrl>();
    const RECT rect = parent.ControlRect(record);
    if (!list->Create(ListStyle(record), rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    list->ApplyProperties(&record);
    SharedBitmap parts[2];
    if (CutListedParts(record, rect, {backgrounds.normal, backgrounds.disabled}, parts))
        list->SetBkImages(parts[0], parts[1]);
    return HandToWindow(std::move(list));
}

void ReleaseListCtrl(CObject& control)
{
    ReleaseThroughControl<CSkinListCtrl>(control);
}

} // namespace Vexel
