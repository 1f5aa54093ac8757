#include "skin/ui/factories/ControlKinds.h"

#include "skin/ui/factories/ButtonFactories.h"
#include "skin/ui/factories/CommonCtrlFactories.h"
#include "skin/ui/factories/ControlFactoryTable.h"
#include "skin/ui/factories/InputFactories.h"
#include "skin/ui/factories/ListFactory.h"
#include "skin/ui/factories/MenuBarFactory.h"
#include "skin/ui/factories/PlaceholderFactories.h"
#include "skin/ui/factories/StaticFactory.h"
#include "skin/ui/factories/TreeFactories.h"
#include "skin/ui/factories/TreeListFactory.h"
#include "skin/ui/factories/ViewFactories.h"

namespace Vexel {

// One line per kind: its type word, its factory and the release of the images its window
// owns in it (null: the window owns nothing there). The order of comparison is the
// table's own, whatever the order here; each family keeps to its own group of lines.
void RegisterSkinControlKinds()
{
    // Placeholders.
    RegisterControlKind(L"RECT", &CreateRectCtrl, nullptr);
    RegisterControlKind(L"SPLITTER", &CreateSplitterBar, nullptr);

    // Buttons and statics.
    RegisterControlKind(L"PUSHBUTTON", &CreatePushButton, &ReleaseSkinButton);
    RegisterControlKind(L"CHECK", &CreateCheckBox, &ReleaseSkinButton);
    RegisterControlKind(L"RADIO", &CreateRadioButton, &ReleaseSkinButton);
    RegisterControlKind(L"STATIC", &CreateStatic, &ReleaseSkinStatic);

    // Edits, combo boxes, sliders, progress bars and spin buttons.
    RegisterControlKind(L"COMBOBOX", &CreateComboBox, &ReleaseComboBox);
    RegisterControlKind(L"EDIT", &CreateEdit, &ReleaseEdit);
    RegisterControlKind(L"PROGRESS", &CreateProgress, &ReleaseProgress);
    RegisterControlKind(L"SLIDEREX", &CreateSliderEx, &ReleaseSliderEx);

    // Scroll bars, trees and tree lists.
    RegisterControlKind(L"TREECTRL", &CreateTreeCtrl, &ReleaseTreeCtrl);
    RegisterControlKind(L"SCROLLBAREX", &CreateScrollBarEx, nullptr);
    RegisterControlKind(L"TREELIST", &CreateTreeList, &ReleaseTreeList);

    // Common controls: slider, spin button, hot-key box, IP address box, rich edit.
    RegisterControlKind(L"SLIDER", &CreateSlider, &ReleaseSlider);
    RegisterControlKind(L"SPIN", &CreateSpin, &ReleaseSpin);
    RegisterControlKind(L"HOTKEY", &CreateHotKey, &ReleaseHotKey);
    RegisterControlKind(L"IPADDRESS", &CreateIPAddress, &ReleaseIPAddress);
    RegisterControlKind(L"RICHEDIT", &CreateRichEdit, nullptr);

    // List view.
    RegisterControlKind(L"LISTCTRL", &CreateListCtrl, &ReleaseListCtrl);

    // Menu bar.
    RegisterControlKind(L"MENUBAR", &CreateMenuBar, nullptr);

    // Views: thumbnails, web pages, dates and wave graphs.
    RegisterControlKind(L"THUMBNAIL", &CreateThumbnail, &ReleaseThumbnail);
    RegisterControlKind(L"HTMLCTRL", &CreateHtmlCtrl, nullptr);
    RegisterControlKind(L"DATETIMECTRL", &CreateDateTimeCtrl, nullptr);
    RegisterControlKind(L"WAVECTRL", &CreateWaveCtrl, nullptr);
}

} // namespace Vexel
