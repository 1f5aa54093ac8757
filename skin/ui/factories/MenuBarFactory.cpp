#include "skin/ui/factories/MenuBarFactory.h"

#include "skin/model/MenuProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/MenuBar.h"
#include "skin/ui/factories/ControlFactories.h"

namespace Vexel {

using namespace record_read;

CreatedControl CreateMenuBar(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    auto bar = std::make_unique<CMenuBar>();
    CTRLPROPERTIES* style = g_skinStore.FindStyle(StyleKind::Menu, Text(record, MenuBarVar::MenuStyle));
    MENUPROPERTIES fallback;
    bar->SetMenuProperties(style ? style : &fallback);

    // The button images are always the record's own (ButtonBkCombine or ButtonBkNormal ..).
    CBitmap images[4];
    LoadFourStateImages(&record, &images[0], &images[1], &images[2], &images[3]);
    bar->SetButtonImages(static_cast<HBITMAP>(images[0].Detach()), static_cast<HBITMAP>(images[1].Detach()),
                         static_cast<HBITMAP>(images[2].Detach()), static_cast<HBITMAP>(images[3].Detach()));
    bar->SetResizePoint(ScalePoint(Point(record, CtrlVar::ResizingPoint), CurrentDpi()));   // as the images
    COLORREF colors[4] = {0, 0, 0, 0};
    GetFourStateColors(&record, &colors[0], &colors[1], &colors[2], &colors[3]);
    bar->SetButtonColors(colors[0], colors[1], colors[2], colors[3]);
    CFont fonts[4];
    CreateFourStateFonts(&record, &fonts[0], &fonts[1], &fonts[2], &fonts[3]);
    bar->SetButtonFonts(&fonts[0], &fonts[1], &fonts[2], &fonts[3]);

    if (!bar->Create(StyleFromProperties(record) | WS_CHILD, parent.ControlRect(record), &parent,
                     static_cast<UINT>(ControlIdOf(record))))
        return {};
    return HandToWindow(std::move(bar));
}

} // namespace Vexel
