// Construction follows definition order within this file and destruction runs in
// reverse: the importer's state first, then the loaded skin.
#include "skin/model/SkinGlobals.h"

namespace Vexel {

LegacyImportState g_legacyImport;
SkinStore g_skinStore;

DesignDpiPair DesignDpi;
int ConvertingSkin = 0;
MenuTrackRecord MenuTrackInfo;

} // namespace Vexel
