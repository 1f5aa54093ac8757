#include "skin/model/SkinLifecycle.h"

#include "skin/model/SkinGlobals.h"

#include <utility>

namespace Vexel {

namespace {

// The staged list is emptied, not copied: a later import must not hand the same records
// over a second time.
template <class List>
void Adopt(List& target, List& staged)
{
    target = std::move(staged);
    staged.clear();
}

} // namespace

void AdoptStagedWindows()
{
    Adopt(g_skinStore.windows, g_legacyImport.stagedWindows);
}

void AdoptStagedFonts()
{
    Adopt(g_skinStore.fonts, g_legacyImport.stagedFonts);
}

void AdoptStagedColors()
{
    Adopt(g_skinStore.colors, g_legacyImport.stagedColors);
}

int ReleaseSkin()
{
    MenuTrackInfo = MenuTrackRecord();
    g_skinStore.Release();
    g_legacyImport.legacyText.Close();
    return 0;
}

} // namespace Vexel
