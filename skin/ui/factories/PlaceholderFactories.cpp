#include "skin/ui/factories/PlaceholderFactories.h"

#include "skin/ui/SplitterBar.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/factories/ControlFactories.h"

namespace Vexel {
namespace {

template <class Placeholder>
CreatedControl CreatePlaceholder(CUIWnd& parent, const CTRLPROPERTIES& record)
{
    auto placeholder = std::make_unique<Placeholder>();
    if (!placeholder->Create(nullptr, WS_CHILD, parent.ControlRect(record), &parent,
                             static_cast<UINT>(ControlIdOf(record))))
        return {};
    return HandPlaceholderToWindow(std::move(placeholder));
}

} // namespace

CreatedControl CreateRectCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    return CreatePlaceholder<CRectCtrl>(parent, record);
}

CreatedControl CreateSplitterBar(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    return CreatePlaceholder<CSplitterBar>(parent, record);
}

} // namespace Vexel
