#include "skin/ui/factories/ControlFactories.h"

#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/RecordRead.h"

#include <algorithm>
#include <iterator>

namespace Vexel {

using namespace record_read;

int ControlIdOf(const CTRLPROPERTIES& record)
{
    return g_skinStore.GetIDByName(Text(record, CtrlVar::ID));
}

CreatedControl HandPlaceholderToWindow(std::unique_ptr<CRectCtrl> placeholder)
{
    CreatedControl made;
    made.placeholder = placeholder.get();
    made.object = std::move(placeholder);
    return made;
}

bool CutStateParts(const CTRLPROPERTIES& record, const RECT& rect, const ParentBackgrounds& backgrounds,
                   PartsFromNormal rule, SharedBitmap (&parts)[4])
{
    HBITMAP sources[] = {backgrounds.normal, backgrounds.highlight, backgrounds.selected, backgrounds.disabled};
    if (Switch(record, CtrlVar::IsCanBackgroundChange)) {
        if (Switch(record, CtrlVar::IsSpecifyImages))
            return false;
    } else {
        if (rule == PartsFromNormal::CopyOne && !backgrounds.normal)
            return false;
        std::fill(std::begin(sources), std::end(sources), backgrounds.normal);
    }
    for (int i = 0; i < 4; ++i) {
        const auto same = std::find(sources, sources + i, sources[i]);
        if (same != sources + i) {
            parts[i] = parts[same - sources];
            continue;
        }
        CBitmap cut;
        CropBitmap(rect, sources[i], &cut);
        parts[i] = SharedBitmap::Adopt(static_cast<HBITMAP>(cut.Detach()));
    }
    return true;
}

bool CutListedParts(const CTRLPROPERTIES& record, const RECT& rect, std::initializer_list<HBITMAP> sources,
                    SharedBitmap* parts)
{
    if (Switch(record, CtrlVar::IsSpecifyImages))
        return false;
    for (auto source = sources.begin(); source != sources.end(); ++source) {
        const auto same = std::find(sources.begin(), source, *source);
        SharedBitmap& part = parts[source - sources.begin()];
        if (same != source) {
            part = parts[same - sources.begin()];
            continue;
        }
        CBitmap cut;
        CropBitmap(rect, *source, &cut);
        part = SharedBitmap::Adopt(static_cast<HBITMAP>(cut.Detach()));
    }
    return true;
}

} // namespace Vexel
