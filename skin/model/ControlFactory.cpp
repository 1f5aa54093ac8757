#include "skin/model/ControlFactory.h"

#include "skin/model/AsciiCase.h"
#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/MenuProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/TreeProperties.h"

#include <cwchar>

namespace Vexel {

namespace {

using Creator = std::unique_ptr<CTRLPROPERTIES> (*)();

// One creator per control element name, in the order of SkinXml::kControlElements
// (which is also the order names are tried in).
constexpr Creator kControlCreators[] = {
    NewRecord<BTNPROPERTIES>,          // PUSHBUTTON
    NewRecord<CHKPROPERTIES>,          // CHECK
    NewRecord<RADPROPERTIES>,          // RADIO
    NewRecord<TXTPROPERTIES>,          // STATIC
    NewRecord<EDTPROPERTIES>,          // EDIT
    NewRecord<CMBPROPERTIES>,          // COMBOBOX
    NewRecord<SPNPROPERTIES>,          // SPIN
    NewRecord<PRGPROPERTIES>,          // PROGRESS
    NewRecord<SLDPROPERTIES>,          // SLIDER
    NewRecord<HOTPROPERTIES>,          // HOTKEY
    NewRecord<IPAPROPERTIES>,          // IPADDRESS
    NewRecord<SLDEXPROPERTIES>,        // SLIDEREX
    NewRecord<LSTCTRLPROPERTIES>,      // LISTCTRL
    NewRecord<TREECTRLPROPERTIES>,     // TREECTRL
    NewRecord<SBPROPERTIES>,           // SCROLLBAR
    NewRecord<SBEXPROPERTIES>,         // SCROLLBAREX
    NewRecord<THMPROPERTIES>,          // THUMBNAIL
    NewRecord<TREELISTPROPERTIES>,     // TREELIST
    NewRecord<RICHEDITPROPERTIES>,     // RICHEDIT
    NewRecord<HTMLCTRLPROPERTIES>,     // HTMLCTRL
    NewRecord<DATETIMECTRLPROPERTIES>, // DATETIMECTRL
    NewRecord<WAVECTRLPROPERTIES>,     // WAVECTRL
    NewRecord<MENUBARPROPERTIES>,      // MENUBAR
    NewRecord<RECTPROPERTIES>,         // RECT
    NewRecord<SPLITTERPROPERTIES>,     // SPLITTER
};
static_assert(sizeof(kControlCreators) / sizeof(kControlCreators[0]) == SkinXml::kControlElementCount,
              "one creator per control element name");

// One creator per style kind, in StyleKind order.
constexpr Creator kStyleCreators[] = {
    NewRecord<BTNPROPERTIES>,      NewRecord<CHKPROPERTIES>,      NewRecord<RADPROPERTIES>,
    NewRecord<CMBPROPERTIES>,      NewRecord<TXTPROPERTIES>,      NewRecord<EDTPROPERTIES>,
    NewRecord<SLDPROPERTIES>,      NewRecord<PRGPROPERTIES>,      NewRecord<SPNPROPERTIES>,
    NewRecord<HOTPROPERTIES>,      NewRecord<IPAPROPERTIES>,      NewRecord<SLDEXPROPERTIES>,
    NewRecord<LSTCTRLPROPERTIES>,  NewRecord<TREECTRLPROPERTIES>, NewRecord<TREELISTPROPERTIES>,
    NewRecord<RICHEDITPROPERTIES>, NewRecord<HTMLCTRLPROPERTIES>, NewRecord<DATETIMECTRLPROPERTIES>,
    NewRecord<WAVECTRLPROPERTIES>, NewRecord<MENUPROPERTIES>,     NewRecord<MENUBARPROPERTIES>,
    NewRecord<HEADERPROPERTIES>,   NewRecord<HORSBPROPERTIES>,    NewRecord<VERSBPROPERTIES>,
};
static_assert(sizeof(kStyleCreators) / sizeof(kStyleCreators[0]) == kStyleKindCount, "one creator per style kind");

} // namespace

std::unique_ptr<CTRLPROPERTIES> CreateControlRecord(LPCWSTR elementName)
{
    if (!elementName)
        return nullptr;
    for (int i = 0; i < SkinXml::kControlElementCount; ++i) {
        // Only the push button's name must match exactly.
        const bool match = i == 0 ? wcscmp(elementName, SkinXml::kControlElements[i]) == 0
                                  : EqualsIgnoringAsciiCase(elementName, SkinXml::kControlElements[i]);
        if (match)
            return kControlCreators[i]();
    }
    return nullptr;
}

std::unique_ptr<CTRLPROPERTIES> CreateStyleRecord(StyleKind kind)
{
    const int index = static_cast<int>(kind);
    if (index < 0 || index >= kStyleKindCount)
        return nullptr;
    return kStyleCreators[index]();
}

} // namespace Vexel
