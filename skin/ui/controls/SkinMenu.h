#pragma once
// CSkinMenu: a popup menu whose every item is drawn from a skin menu style: three looks
// for an item (normal, highlighted, grayed), a separator look, a gradient icon area down
// the left edge with a check mark or icon, and accelerator text after a tab drawn
// right-aligned. The popup's frame is the skinned popup-menu class's (SkinMenuClass.h).
//
// Use it on the stack: ApplyStyle while the menu is empty, LoadMenu, take the popup of
// position 0 (GetSubMenu gives the CSkinMenu built for it), optionally change items with
// the ordinary menu calls, then TrackPopupMenu on that popup. The object owns its item
// records, the CSkinMenu objects of its popups and the images of the style it applied;
// its popups share those images and never delete them.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/Menu.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/controls/MenuMember.h"
#include "skin/ui/controls/SkinMenuItem.h"

#include <array>
#include <memory>
#include <vector>

namespace Vexel {

class CSkinMenu : public CMenu {
    DECLARE_DYNAMIC(CSkinMenu)
public:
    CSkinMenu();
    // Releases the images, the item records, the popups' objects, then the menu.
    ~CSkinMenu() override;

    // --- owner drawing: only items whose data is a record this menu appended
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;

    // --- style; ApplyProperties and ApplyStyle only while the menu has no handle
    // Copies every field; the images become views of `member`'s, which this menu never
    // deletes. 0.
    virtual int SetMenuMember(const MENUMEMBER& member);
    // A "MENU" (or "STYLE_MENU") record. 0; -1 the menu is loaded already; -2 null record;
    // -3 a record of another type. The menu keeps its own copies of the images.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    // The skin's menu style of that id: as ApplyProperties (-2 for an unknown id).
    virtual int ApplyStyle(LPCWSTR styleId);
    const MENUMEMBER& GetMenuMember() const { return m_member; }

    // --- the parts of an item's drawing; every one answers 0. Rectangles are in the
    // item DC's coordinates.
    virtual int DrawTitleItem(CDC* dc, RECT rect, const CString& text, HICON icon);
    virtual int DrawSeparatorItem(CDC* dc, RECT rect);
    virtual int DrawTextItem(CDC* dc, RECT rect, LPDRAWITEMSTRUCT item);
    virtual int DrawItemBackground(CDC* dc, RECT rect, LPDRAWITEMSTRUCT item, const MENU_ITEM_PROPERTIES& look);
    virtual int FillItemBackground(CDC* dc, RECT rect, BOOL selected, BOOL grayed);
    virtual int DrawIconArea(CDC* dc, RECT rect, BOOL selected, BOOL grayed, BOOL checked);
    virtual int DrawIconFrame(CDC* dc, RECT rect, BOOL selected, BOOL grayed, BOOL checked);
    virtual int DrawItemIcon(CDC* dc, RECT rect, HICON icon, BOOL selected, BOOL grayed);
    virtual int DrawDisabledIcon(CDC* dc, HICON icon, RECT rect, BOOL colorBitmap);
    virtual int DrawCheckMark(CDC* dc, RECT rect, BOOL selected);
    // The text in `color`: up to the first tab left-aligned, the rest right-aligned.
    virtual int DrawItemString(CDC* dc, RECT rect, const CString& text, COLORREF color);
    // The text in the font and colour of its look (bold for the default item).
    virtual int DrawItemText(CDC* dc, RECT rect, const CString& text, BOOL selected, BOOL grayed, BOOL isDefault);

    // --- images: each setter takes ownership, deleting the image it replaces
    void SetNormalImage(HBITMAP image);
    void SetHighlightImage(HBITMAP image);
    void SetDisabledImage(HBITMAP image);
    void SetSeparatorImage(HBITMAP image);
    // Deletes the images this menu owns and forgets the ones it shares. 0; -1 when the
    // menu has no handle (the images are released all the same).
    int ReleaseImages();

    // --- building
    // Menu resource `id` of the resource module, rebuilt as owner-drawn items of a new
    // popup menu held by this object; each of its popups becomes a CSkinMenu of this
    // style, found with FromHandlePermanent. Only the grayed state of an item is carried.
    // FALSE when the resource does not load or this object already holds a menu.
    BOOL LoadMenu(UINT id) { return LoadMenu(MAKEINTRESOURCEW(id & 0xFFFF)); }
    BOOL LoadMenu(LPCWSTR name);
    // Owner-drawn items appended to this menu, each with a record this menu owns.
    BOOL AppendTextItem(BOOL grayed, UINT id, LPCWSTR text);
    BOOL AppendSeparatorItem();
    // `popup` (not taken over) as the item at 1-based `position`; FALSE for a null popup.
    BOOL AppendPopupItem(CSkinMenu* popup, UINT position, LPCWSTR text);

    // Shows the popup with `owner`'s procedure replaced for the length of the call, so
    // that the owner's WM_MEASUREITEM reaches this menu whatever the owner is. The owner
    // is put back as it was, also when tracks nest. 0 without an owner window.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

private:
    enum Look { kNormalLook, kHighlightLook, kDisabledLook, kLooks };
    enum ImageSlot { kNormalImage, kHighlightImage, kDisabledImage, kSeparatorImage, kImageSlots };

    BOOL BuildFromMenu(HMENU source);
    BOOL AppendRecord(std::unique_ptr<CSkinMenuItem> record, UINT flags, UINT_PTR idOrPopup);
    const CSkinMenuItem* RecordOf(ULONG_PTR itemData) const;

    HBITMAP& Image(ImageSlot slot);
    void SetImage(ImageSlot slot, HBITMAP image, bool owned);
    void ApplyStateLook(CTRLPROPERTIES& record, int firstVariable, MENU_ITEM_PROPERTIES& look, ImageSlot slot);
    void ApplySeparatorLook(CTRLPROPERTIES& record);
    void LoadStyleImage(CTRLPROPERTIES& record, int pathVariable, int cacheVariable, ImageSlot slot);

    static Look LookOf(BOOL selected, BOOL grayed);
    const MENU_ITEM_PROPERTIES& LookProperties(Look look) const;
    HFONT LookFont(Look look, bool bold);
    HBITMAP IconAreaBand(HDC dc, int w, int h);
    HPEN SeparatorPen();
    void StyleChanged();
    void DrawLookImage(CDC* dc, const RECT& rect, HBITMAP image, POINT resizePoint);

    MENUMEMBER m_member;
    std::array<bool, kImageSlots> m_ownsImage{};
    std::vector<std::unique_ptr<CSkinMenuItem>> m_items;
    std::vector<std::unique_ptr<CSkinMenu>> m_popups;

    // Made on first use and kept until the style changes: drawing creates nothing per item.
    CFont m_fonts[kLooks][2];             // [look][bold]
    CBitmap m_iconBand;
    SIZE m_iconBandSize{0, 0};
    CPen m_separatorPen;
};

} // namespace Vexel
