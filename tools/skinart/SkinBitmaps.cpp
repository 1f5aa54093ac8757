// The control bitmaps of the skin. State strips hold their parts side by side in the skin
// library's order: normal, highlight, selected (pressed), disabled, and for check boxes and
// radio buttons then the same four checked. Parts are drawn on the surface the control sits
// on, so rounded corners blend into it; the skin file stretches parts around their centre.
#include "Art.h"
#include "Glyphs.h"
#include "Theme.h"

#include <array>
#include <functional>

namespace skinart {
namespace {

using namespace theme;

struct Look {
    Rgba fill;
    Rgba edge;
};

// One rounded part of w x h on `surface`.
Image Part(int w, int h, double radius, const Look& look, Rgba surface, double border = 1)
{
    Image image(w, h, surface);
    FramedRoundRect(image, 0, 0, w, h, radius, border, look.edge, look.fill);
    return image;
}

Image FourStates(int w, int h, double radius, const std::array<Look, 4>& looks, Rgba surface)
{
    return Strip({Part(w, h, radius, looks[0], surface), Part(w, h, radius, looks[1], surface),
                  Part(w, h, radius, looks[2], surface), Part(w, h, radius, looks[3], surface)});
}

Image EightStates(int w, int h, double radius, const std::array<Look, 8>& looks, Rgba surface)
{
    std::vector<Image> parts;
    for (const Look& look : looks)
        parts.push_back(Part(w, h, radius, look, surface));
    return Strip(parts);
}

// A four-state strip whose parts each get a pictogram drawn by `glyph`(part, state).
Image FourStatesWithGlyph(int w, int h, double radius, const std::array<Look, 4>& looks, Rgba surface,
                          const std::function<void(Image&, int)>& glyph)
{
    std::vector<Image> parts;
    for (int state = 0; state < 4; ++state) {
        Image part = Part(w, h, radius, looks[static_cast<std::size_t>(state)], surface);
        glyph(part, state);
        parts.push_back(part);
    }
    return Strip(parts);
}

const std::array<Look, 4> kPrimary = {Look{kAccent, kAccent}, Look{kAccentHover, kAccentHover},
                                      Look{kAccentPressed, kAccentPressed}, Look{kDisabled, kDisabled}};
const std::array<Look, 4> kSecondary = {Look{kSurface, kBorder}, Look{kPanel, kBorderStrong},
                                        Look{kPanelHover, kBorderStrong}, Look{kPanel, kDisabled}};
const std::array<Look, 4> kKey = {Look{kPanel, kPanel}, Look{kPanelHover, kPanelHover},
                                  Look{kPanelPressed, kPanelPressed}, Look{kPanel, kPanel}};
const std::array<Look, 4> kOnBand = {Look{kAccent, kAccent}, Look{kAccentHover, kAccentHover},
                                     Look{kAccentPressed, kAccentPressed}, Look{kAccent, kAccent}};
const std::array<Look, 4> kField = {Look{kSurface, kBorder}, Look{kSurface, kBorderStrong},
                                    Look{kSurface, kAccent}, Look{kPanel, kDisabled}};

// Toggles: unchecked quiet, checked tinted with `on`.
std::array<Look, 8> Toggle(Look on, Look onHover, Look onPressed)
{
    return {kKey[0], kKey[1], kKey[2], Look{kPanel, kPanel}, on, onHover, onPressed, Look{kAccentSofter, kDisabled}};
}

const std::array<Look, 8> kLineSelector = {Look{kBorderStrong, kBorderStrong}, Look{kMuted, kMuted},
                                           Look{Hex(0x475569), Hex(0x475569)}, Look{kPanelPressed, kPanelPressed},
                                           Look{kAccent, kAccent}, Look{kAccentHover, kAccentHover},
                                           Look{kAccentPressed, kAccentPressed}, Look{kAccentSoft, kAccentSoft}};

Image CallButton(bool hangUp)
{
    const Rgba fills[4] = {hangUp ? kDanger : kGo, hangUp ? kDangerHover : kGoHover,
                           hangUp ? kDangerPressed : kGoPressed, kDisabled};
    std::array<Look, 4> looks;
    for (int i = 0; i < 4; ++i)
        looks[static_cast<std::size_t>(i)] = Look{fills[i], fills[i]};
    return FourStatesWithGlyph(156, 40, 10, looks, kSurface, [hangUp](Image& part, int state) {
        const Rgba colour = state == 3 ? kDisabledText : kSurface;
        if (hangUp)
            DrawHandsetDown(part, 64, 6, 28, colour);
        else
            DrawHandset(part, 64, 6, 28, colour);
    });
}

Image TitleButton(bool close)
{
    const std::array<Look, 4> looks = close ? std::array<Look, 4>{Look{kAccent, kAccent}, Look{kDanger, kDanger},
                                                                  Look{kDangerPressed, kDangerPressed},
                                                                  Look{kAccent, kAccent}}
                                            : kOnBand;
    return FourStatesWithGlyph(26, 26, 4, looks, kAccent, [close](Image& part, int state) {
        const Rgba colour = state == 3 ? kAccentSoft : kSurface;
        if (close)
            DrawCross(part, 8.5, 8.5, 9, 1.6, colour);
        else
            DrawDash(part, 8, 8, 10, 1.6, colour);
    });
}

Image AvatarButton()
{
    return FourStatesWithGlyph(72, 72, 12, {Look{kPanel, kBorder}, Look{kPanelHover, kBorderStrong},
                                            Look{kPanelPressed, kBorderStrong}, Look{kPanel, kDisabled}},
                               kSurface, [](Image& part, int) { DrawFace(part, 12, 12, 48, kPanelPressed, kSurface); });
}

Image ComboStrip()
{
    return FourStatesWithGlyph(48, 28, 5, kField, kSurface, [](Image& part, int state) {
        part.FillRect(26, 6, 1, 16, state == 3 ? kDisabled : kBorder);
        DrawChevron(part, 30, 6, 16, true, state == 3 ? kDisabledText : kMuted);
    });
}

Image FieldStrip(int w, int h, double radius)
{
    std::vector<Image> parts;
    for (int state = 0; state < 4; ++state) {
        const Look& look = kField[static_cast<std::size_t>(state)];
        parts.push_back(Part(w, h, radius, look, kSurface, state == 2 ? 1.6 : 1.0));
    }
    return Strip(parts);
}

// Check box and radio parts: a 16-pixel mark at the left of a 20 x 20 white part; the skin
// stretches only the last column, so a caption can follow the mark.
Image CheckPart(const Look& look, bool ticked)
{
    Image image(20, 20, kSurface);
    FramedRoundRect(image, 1, 2, 16, 16, 4, 1.2, look.edge, look.fill);
    if (ticked)
        DrawTick(image, 3, 4, 12, 2.0, kSurface);
    return image;
}

Image RadioPart(const Look& look, bool on)
{
    Image image(20, 20, kSurface);
    FillCircle(image, 9, 10, 8, look.edge);
    FillCircle(image, 9, 10, 6.8, kSurface);
    if (on)
        FillCircle(image, 9, 10, 4, look.fill);
    return image;
}

Image MainTab(Rgba fill, bool underline)
{
    Image image(16, 40, fill);
    if (underline)
        image.FillRect(0, 37, 16, 3, kSurface);
    return image;
}

// Foreground pictograms: drawn on the magenta key, which the library leaves out.
Image Pictogram(int size, const std::function<void(Image&)>& draw)
{
    Image image(size, size, kKeyMagenta);
    draw(image);
    return image;
}

// Pictograms are drawn without smoothing into the key: a blended edge pixel would be neither
// the key nor the glyph. So they are painted large and reduced to the nearest full pixel.
Image HardEdged(int size, Rgba colour, const std::function<void(Image&, double)>& draw)
{
    Image image(size, size, kKeyMagenta);
    Image mask(size, size, Rgba{0, 0, 0, 0});
    draw(mask, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (mask.At(x, y).a >= 128)
                image.Set(x, y, colour);
        }
    }
    return image;
}

Image SliderTrack()
{
    const auto part = [](Rgba track) {
        Image image(24, 20, kSurface);
        FillRoundRect(image, 0, 8, 24, 4, 2, track);
        return image;
    };
    return Strip({part(kPanelPressed), part(kAccent), part(kBorder), part(kDisabled)});
}

Image SliderThumb()
{
    const auto part = [](Rgba edge, Rgba fill) {
        Image image(16, 16, kKeyMagenta);
        Image mask(16, 16, Rgba{0, 0, 0, 0});
        FillCircle(mask, 8, 8, 7.5, edge);
        FillCircle(mask, 8, 8, 5.5, fill);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Rgba p = mask.At(x, y);
                if (p.a >= 110)
                    image.Set(x, y, Rgba{p.r, p.g, p.b, 255});
            }
        }
        return image;
    };
    return Strip({part(kAccent, kSurface), part(kAccentHover, kAccentSoft), part(kAccentPressed, kAccentPressed),
                  part(kBorderStrong, kPanel)});
}

Image ProgressBar(Rgba fill)
{
    Image image(24, 12, kSurface);
    FillRoundRect(image, 0, 0, 24, 12, 6, fill);
    return image;
}

Image ScrollTrack(Rgba arrows)
{
    Image image(21, 80, kSurface);
    // The arrow buttons at both ends; the track between them repeats.
    Image up(21, 19, kSurface);
    StrokeLine(up, 6, 11.5, 10.5, 7, 1.8, arrows);
    StrokeLine(up, 10.5, 7, 15, 11.5, 1.8, arrows);
    Image down(21, 19, kSurface);
    StrokeLine(down, 6, 7.5, 10.5, 12, 1.8, arrows);
    StrokeLine(down, 10.5, 12, 15, 7.5, 1.8, arrows);
    image.Put(up, 0, 0);
    image.Put(down, 0, 61);
    image.FillRect(0, 0, 1, 80, kPanel);
    return image;
}

Image ScrollThumb(Rgba fill)
{
    Image image(21, 30, kSurface);
    FillRoundRect(image, 6, 2, 9, 26, 4.5, fill);
    return image;
}

Image GroupEdge(bool top)
{
    // Half of a rounded outline 24 wide, 16 high: its upper or lower 8 rows.
    Image whole(24, 16, kSurface);
    FramedRoundRect(whole, 0, 0, 24, 16, 6, 1, kBorder, kSurface);
    Image half(24, 8, kSurface);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 24; ++x)
            half.Set(x, y, whole.At(x, top ? y : y + 8));
    }
    return half;
}

Image GroupSide(bool left)
{
    Image image(8, 8, kSurface);
    image.FillRect(left ? 0 : 7, 0, 1, 8, kBorder);
    return image;
}

Image HistoryIcon(bool incoming, Rgba colour)
{
    Image image(28, 28, kSurface);
    DrawCallArrow(image, 6, 6, 16, incoming, colour);
    return image;
}

Image Notifier()
{
    // White is the notifier's transparent colour: the card itself is never pure white.
    Image image(261, 84, kKeyWhite);
    Image card(261, 84, Rgba{0, 0, 0, 0});
    FramedRoundRect(card, 2, 2, 257, 80, 10, 1, kBorderStrong, Hex(0xF8FAFC));
    card.Paint(Minus(RoundRect(2, 2, 257, 80, 10), [](double x, double) { return x > 8; }), {2, 2, 10, 82}, kAccent);
    for (int y = 0; y < 84; ++y) {
        for (int x = 0; x < 261; ++x) {
            const Rgba p = card.At(x, y);
            if (p.a >= 128)
                image.Set(x, y, Rgba{p.r, p.g, p.b, 255});
        }
    }
    return image;
}

Image TreeSelection()
{
    Image image(16, 24, kSurface);
    FillRoundRect(image, 0, 0, 16, 24, 5, kAccentSoft);
    return image;
}

} // namespace

std::vector<NamedImage> PaintControlBitmaps()
{
    std::vector<NamedImage> out;
    const auto add = [&](const char* file, Image image) { out.emplace_back(file, std::move(image)); };

    // Push buttons.
    add("CONTACT_OK_BUTTONS.bmp", FourStates(24, 32, 6, kPrimary, kSurface));
    // As low as the lowest button that uses it: a button grows its image around the resizing
    // point, but one lower than the image would cut the bottom edge off.
    add("CONTACT_CANCEL_BUTTONS.bmp", FourStates(24, 28, 6, kSecondary, kSurface));
    add("LOGIN_BUTTONS.bmp", FourStates(24, 40, 8, kPrimary, kSurface));
    add("CallPhones_D.bmp", FourStates(24, 44, 10, kKey, kSurface));
    add("CallPhones_C.bmp", CallButton(false));
    add("CallPhones_S.bmp", CallButton(true));
    add("SEND_VIDEO.bmp", FourStates(24, 28, 6, kOnBand, kAccent));
    add("StopVideo_S.bmp", FourStates(24, 24, 12,
                                      {Look{kAccentDeep, kAccentDeep}, Look{kAccentPressed, kAccentHover},
                                       Look{Hex(0x1E3A8A), Hex(0x1E3A8A)}, Look{kAccentDeep, kAccentDeep}},
                                      kAccent));
    add("VIDEO_CLOSED_BUTTONS.bmp", TitleButton(true));
    add("VIDEO_MINI_BUTTONS.bmp", TitleButton(false));
    add("CONTACT_IMAGES.bmp", AvatarButton());

    // Toggles: line selectors, call features, mute switches.
    for (const char* line : {"LINE1_CK.bmp", "LINE2_CK.bmp", "LINE3_CK.bmp", "LINE4_CK.bmp", "LINE5_CK.bmp"})
        add(line, EightStates(20, 30, 8, kLineSelector, kSurface));
    const Look accentOn{kAccentSoft, kAccent};
    const Look dangerOn{kDangerSoft, kDanger};
    add("CallPhones_H.bmp", EightStates(24, 30, 8, Toggle(accentOn, Look{kAccentSoft, kAccentHover},
                                                          Look{Hex(0xBFDBFE), kAccentPressed}), kSurface));
    add("TRANSFER_CK.bmp", EightStates(24, 30, 8, Toggle(accentOn, Look{kAccentSoft, kAccentHover},
                                                         Look{Hex(0xBFDBFE), kAccentPressed}), kSurface));
    add("RECORD_CK.bmp", EightStates(24, 30, 8, Toggle(dangerOn, Look{Hex(0xFECACA), kDanger},
                                                       Look{Hex(0xFCA5A5), kDangerPressed}), kSurface));
    for (const char* mute : {"MICMUTE_CK.bmp", "SPKMUTE_CK.bmp"})
        add(mute, EightStates(28, 28, 14, Toggle(dangerOn, Look{Hex(0xFECACA), kDanger},
                                                 Look{Hex(0xFCA5A5), kDangerPressed}), kSurface));

    // Fields.
    add("New_Edit.bmp", FieldStrip(16, 28, 5));
    add("New_Edit2.bmp", FieldStrip(24, 40, 6));
    add("CONTACT_GROUPS.bmp", ComboStrip());

    // Check boxes and radio buttons.
    add("New_Checkbox.bmp", CheckPart(Look{kSurface, kBorderStrong}, false));
    add("Tick_N.bmp", CheckPart(Look{kAccent, kAccent}, true));
    add("Tick_H.bmp", CheckPart(Look{kAccentHover, kAccentHover}, true));
    add("Tick_S.bmp", CheckPart(Look{kAccentPressed, kAccentPressed}, true));
    add("RADIO_N.bmp", RadioPart(Look{kSurface, kBorderStrong}, false));
    add("RADIO_H.bmp", RadioPart(Look{kSurface, kMuted}, false));
    add("RADIO_S.bmp", RadioPart(Look{kSurface, kAccent}, false));
    add("RADIO_CHECKED_N.bmp", RadioPart(Look{kAccent, kAccent}, true));
    add("RADIO_CHECKED_H.bmp", RadioPart(Look{kAccentHover, kAccentHover}, true));
    add("RADIO_CHECKED_S.bmp", RadioPart(Look{kAccentPressed, kAccentPressed}, true));

    // The main window's page tabs.
    add("Main_N.bmp", MainTab(kAccentPressed, false));
    add("Main_H.bmp", MainTab(kAccent, false));
    add("Main_S.bmp", MainTab(kAccentPressed, true));

    // Pictograms laid over buttons and labels.
    add("WebCam.bmp", HardEdged(20, kSurface, [](Image& m, double s) { DrawCamera(m, 0, 0, s, kSurface); }));
    add("Friends_C.bmp", HardEdged(20, kSurface, [](Image& m, double s) { DrawPersonPlus(m, 0, 0, s, kSurface); }));
    add("History_C.bmp", HardEdged(20, kSurface, [](Image& m, double s) { DrawMenuLines(m, 0, 0, s, kSurface); }));
    add("mute_mic.bmp", HardEdged(20, kMuted, [](Image& m, double s) { DrawMicrophone(m, 0, 0, s, kMuted); }));
    add("mute_spk.bmp", HardEdged(20, kMuted, [](Image& m, double s) { DrawSpeaker(m, 0, 0, s, kMuted); }));
    add("NEW_MESSAGEBOX2.bmp", Pictogram(40, [](Image& image) {
            Image smooth(40, 40, kSurface);
            DrawInfo(smooth, 0, 0, 40, kAccent, kSurface);
            // The disc is opaque to its edge, laid on white: only the corners stay the key.
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const double dx = x + 0.5 - 20, dy = y + 0.5 - 20;
                    if (dx * dx + dy * dy <= 19.2 * 19.2)
                        image.Set(x, y, smooth.At(x, y));
                }
            }
        }));

    // Slider, progress bar, scroll bar, tree selection, group box edges.
    add("VOLUME_SLIDER.bmp", SliderTrack());
    add("VOLUMETBS.bmp", SliderThumb());
    add("Progress.bmp", ProgressBar(kPanelPressed));
    add("ProgressPos.bmp", ProgressBar(kAccent));
    add("ScrollBar_N.bmp", ScrollTrack(kBorderStrong));
    add("ScrollBar_H.bmp", ScrollTrack(kMuted));
    add("ScrollBar_S.bmp", ScrollTrack(kAccent));
    add("ScrollBarThumb_N.bmp", ScrollThumb(kPanelPressed));
    add("ScrollBarThumb_H.bmp", ScrollThumb(kBorderStrong));
    add("ScrollBarThumb_S.bmp", ScrollThumb(kAccent));
    add("ScrollBarThumb_D.bmp", ScrollThumb(kPanel));
    add("TreeItemBk.bmp", TreeSelection());
    add("GROUPBOX_TOP.bmp", GroupEdge(true));
    add("GROUPBOX_BOTTOM.bmp", GroupEdge(false));
    add("GROUPBOX_LEFT.bmp", GroupSide(true));
    add("GROUPBOX_RIGHT.bmp", GroupSide(false));

    // Call history row icons: answered in, out, unanswered out, missed in.
    add("CallLog1.BMP", HistoryIcon(true, kAccent));
    add("CallLog2.BMP", HistoryIcon(false, kGo));
    add("CallLog3.BMP", HistoryIcon(false, kBorderStrong));
    add("CallLog4.BMP", HistoryIcon(true, kDanger));

    // The presence notifier's card (261 x 84, white around it is cut away).
    add("MsgBox.bmp", Notifier());
    return out;
}

} // namespace skinart
