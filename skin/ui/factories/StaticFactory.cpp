#include "skin/ui/factories/StaticFactory.h"

#include "skin/model/EditProperties.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/SkinStatic.h"
#include "skin/ui/factories/ControlFactories.h"

namespace Vexel {

using namespace record_read;

CreatedControl CreateStatic(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    const RECT rect = parent.ControlRect(record);
    auto control = std::make_unique<CSkinStatic>();
    if (!control->Create(Text(record, TxtVar::Caption), StyleFromProperties(record) | SS_NOTIFY, rect, &parent,
                         static_cast<UINT>(ControlIdOf(record))))
        return {};
    control->ApplyProperties(&record);
    // The part of the normal background for both looks: the static has no other state to show.
    SharedBitmap parts[2];
    if (CutListedParts(record, rect, {backgrounds.normal, backgrounds.normal}, parts))
        control->SetBackgroundImages(parts[0], parts[1]);
    return HandToWindow(std::move(control));
}

void ReleaseSkinStatic(CObject& control)
{
    ReleaseThroughControl<CSkinStatic>(control);
}

} // namespace Vexel
