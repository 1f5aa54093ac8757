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

template <class Record>
std::unique_ptr<CTRLPROPERTIES> Make()
{
    return std::make_unique<Record>();
}

// One creator per control element name, in the order of SkinXml::kControlElements
// (which is also the order names are tried in).
constexpr Creator kControlCreators[] = {
    Make<BTNPROPERTIES>,          // PUSHBUTTON
    Make<CHKPROPERTIES>,          // CHECK
    Make<RADPROPERTIES>,          // RADIO
    Make<TXTPROPERTIES>,          // STATIC
    Make<EDTPROPERTIES>,          // EDIT
    Make<CMBPROPERTIES>,          // COMBOBOX
    Make<SPNPROPERTIES>,          // SPIN
    Make<PRGPROPERTIES>,          // PROGRESS
    Make<SLDPROPERTIES>,          // SLIDER
    Make<HOTPROPERTIES>,          // HOTKEY
    Make<IPAPROPERTIES>,          // IPADDRESS
    Make<SLDEXPROPERTIES>,        // SLIDEREX
    Make<LSTCTRLPROPERTIES>,      // LISTCTRL
    Make<TREECTRLPROPERTIES>,     // TREECTRL
    Make<SBPROPERTIES>,           // SCROLLBAR
    Make<SBEXPROPERTIES>,         // SCROLLBAREX
    Make<THMPROPERTIES>,          // THUMBNAIL
    Make<TREELISTPROPERTIES>,     // TREELIST
    Make<RICHEDITPROPERTIES>,     // RICHEDIT
    Make<HTMLCTRLPROPERTIES>,     // HTMLCTRL
    Make<DATETIMECTRLPROPERTIES>, // DATETIMECTRL
    Make<WAVECTRLPROPERTIES>,     // WAVECTRL
    Make<MENUBARPROPERTIES>,      // MENUBAR
    Make<RECTPROPERTIES>,         // RECT
    Make<SPLITTERPROPERTIES>,     // SPLITTER
};
static_assert(sizeof(kControlCreators) / sizeof(kControlCreators[0]) == SkinXml::kControlElementCount,
              "one creator per control element name");

// One creator per style kind, in StyleKind order.
constexpr Creator kStyleCreators[] = {
    Make<BTNPROPERTIES>,          Make<CHKPROPERTIES>,      Make<RADPROPERTIES>,
    Make<CMBPROPERTIES>,          Make<TXTPROPERTIES>,      Make<EDTPROPERTIES>,
    Make<SLDPROPERTIES>,          Make<PRGPROPERTIES>,      Make<SPNPROPERTIES>,
    Make<HOTPROPERTIES>,          Make<IPAPROPERTIES>,      Make<SLDEXPROPERTIES>,
    Make<LSTCTRLPROPERTIES>,      Make<TREECTRLPROPERTIES>, Make<TREELISTPROPERTIES>,
    Make<RICHEDITPROPERTIES>,     Make<HTMLCTRLPROPERTIES>, Make<DATETIMECTRLPROPERTIES>,
    Make<WAVECTRLPROPERTIES>,     Make<MENUPROPERTIES>,     Make<MENUBARPROPERTIES>,
    Make<HEADERPROPERTIES>,       Make<HORSBPROPERTIES>,    Make<VERSBPROPERTIES>,
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
