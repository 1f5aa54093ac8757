// Window and page backgrounds. A skinned window takes its size from its background, so the
// sizes here are the windows' sizes; the skin file lays its controls out inside them. Any
// decoration painted here (title band, cards, frames) sits where the skin file expects it.
#include "Art.h"
#include "Theme.h"

namespace skinart {
namespace {

using namespace theme;

constexpr int kBand = 36;   // title band of dialog windows

Image Dialog(int width, int height, int band = kBand)
{
    Image image(width, height, kSurface);
    image.FillRect(0, 0, width, band, kAccent);
    // A one-pixel frame: the window has no system border.
    image.FillRect(0, 0, width, 1, kAccentDeep);
    image.FillRect(0, band, width, height - band, kSurface);
    image.FillRect(0, height - 1, width, 1, kBorderStrong);
    image.FillRect(0, band, 1, height - band, kBorderStrong);
    image.FillRect(width - 1, band, 1, height - band, kBorderStrong);
    image.FillRect(0, 0, 1, band, kAccentDeep);
    image.FillRect(width - 1, 0, 1, band, kAccentDeep);
    return image;
}

// A footer: a divider line and a quiet band below it.
void Footer(Image& image, int top)
{
    image.FillRect(1, top, image.Width() - 2, image.Height() - 1 - top, kPanel);
    image.FillRect(1, top, image.Width() - 2, 1, kBorder);
}

void Frame(Image& image, int left, int top, int width, int height)
{
    image.FillRect(left, top, width, 1, kBorder);
    image.FillRect(left, top + height - 1, width, 1, kBorder);
    image.FillRect(left, top, 1, height, kBorder);
    image.FillRect(left + width - 1, top, 1, height, kBorder);
}

Image MainWindow()
{
    constexpr int w = 340, h = 660, header = 140;
    Image image(w, h, kSurface);
    image.FillRect(0, 0, w, header, kAccent);
    // The tab row sits a shade deeper so the three tabs read as one bar.
    image.FillRect(0, 100, w, 40, kAccentPressed);
    image.FillRect(0, 0, w, 1, kAccentDeep);
    image.FillRect(0, 0, 1, header, kAccentDeep);
    image.FillRect(w - 1, 0, 1, header, kAccentDeep);
    image.FillRect(0, header, 1, h - header, kBorderStrong);
    image.FillRect(w - 1, header, 1, h - header, kBorderStrong);
    image.FillRect(0, h - 1, w, 1, kBorderStrong);
    return image;
}

// A page of the main window: it fills the page area to the window's edges, so it draws the
// window's frame there itself.
Image MainPage()
{
    Image image(340, 520, kSurface);
    image.FillRect(0, 0, 1, 520, kBorderStrong);
    image.FillRect(339, 0, 1, 520, kBorderStrong);
    image.FillRect(0, 519, 340, 1, kBorderStrong);
    return image;
}

Image CallPage()
{
    Image image = MainPage();
    // The card behind the current line's three texts.
    FramedRoundRect(image, 10, 50, 320, 92, 10, 1, kBorder, kPanel);
    return image;
}

Image VideoWindow()
{
    constexpr int w = 450, h = 390, band = 27, bar = 274;
    Image image = Dialog(w, h, band);
    image.FillRect(1, band, w - 2, bar - band, kVideoBody);
    image.FillRect(1, bar, w - 2, h - 1 - bar, kVideoBar);
    // The frame of the local preview.
    FramedRoundRect(image, 10, 280, 104, 79, 4, 1, kMuted, kVideoBody);
    return image;
}

Image SettingsDialog()
{
    constexpr int w = 640, h = 440;
    Image image = Dialog(w, h);
    image.FillRect(1, kBand, 179, 346, kPanel);
    image.FillRect(180, kBand, 1, 346, kBorder);
    Footer(image, 382);
    return image;
}

Image CodecPage()
{
    Image image(444, 330, kSurface);
    Frame(image, 11, 27, 182, 152);
    Frame(image, 251, 27, 182, 152);
    return image;
}

Image MessageBox()
{
    Image image = Dialog(360, 200);
    Footer(image, 140);
    return image;
}

Image WithFooter(Image image, int top)
{
    Footer(image, top);
    return image;
}

} // namespace

std::vector<NamedImage> PaintWindowBackgrounds()
{
    return {
        {"Main.bmp", MainWindow()},
        {"CallPhones_N.bmp", CallPage()},
        {"Friends.bmp", MainPage()},
        {"History.bmp", MainPage()},
        {"NEW_CONTACT_DETAILS.bmp", WithFooter(Dialog(420, 420), 362)},
        {"NEW_CHAT.bmp", Dialog(420, 440)},
        {"NEW_VIDEO_N.bmp", VideoWindow()},
        {"ONLINE_WINDOW.bmp", WithFooter(Dialog(380, 260), 202)},
        {"New_Login.bmp", Dialog(340, 412)},
        {"New_Advanced.bmp", WithFooter(Dialog(440, 388), 326)},
        {"NEW_MESSAGEBOX1.bmp", MessageBox()},
        {"Setting.bmp", SettingsDialog()},
        {"TaskBk.bmp", Image(444, 330, kSurface)},
        {"AudioCodecTaskBk.bmp", CodecPage()},
        {"VideoCodecTaskBk.bmp", CodecPage()},
        {"NEW_UPDATEWINDOW.bmp", WithFooter(Dialog(460, 240), 178)},
    };
}

} // namespace skinart
