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

namespace {

// The part of each source under `rect` into `parts`, one per source; a source listed again
// gives the part already cut for it, and a null source an empty part.
void CutEachSourceOnce(const RECT& rect, const HBITMAP* sources, std::size_t count, SharedBitmap* parts)
{
    for (std::size_t i = 0; i < count; ++i) {
        const HBITMAP* const same = std::find(sources, sources + i, sources[i]);
        parts[i] = same != sources + i ? parts[same - sources] : CroppedCopy(rect, sources[i]);
    }
}

} // namespace

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
    CutEachSourceOnce(rect, sources, std::size(sources), parts);
    return true;
}

bool CutListedParts(const CTRLPROPERTIES& record, const RECT& rect, std::initializer_list<HBITMAP> sources,
                    SharedBitmap* parts)
{
    if (Switch(record, CtrlVar::IsSpecifyImages))
        return false;
    CutEachSourceOnce(rect, sources.begin(), sources.size(), parts);
    return true;
}

} // namespace Vexel
