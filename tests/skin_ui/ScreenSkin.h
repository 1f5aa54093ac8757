#pragma once
// A skin for the tests that show windows on the display: an XML skin file and its
// Resource.h written into a folder of their own, with the caller's images beside them,
// and opened the way the program opens its skin. Closed again (skin released, ids and
// design DPI reset, COM let go) when the object goes.
#include "Pixels.h"

#include "tests/support/TempDir.h"

#include <string>

namespace skin_ui_test {

class ScreenSkin {
public:
    ScreenSkin();
    ~ScreenSkin();
    ScreenSkin(const ScreenSkin&) = delete;
    ScreenSkin& operator=(const ScreenSkin&) = delete;

    // An image for the skin to name, in the skin's folder.
    bool AddImage(LPCWSTR file, int w, int h, const ColorRule& rule);
    // Writes the skin and its Resource.h and opens them; the skin reader's result (0 read).
    int Open(const std::string& skin, const std::string& resourceH);

private:
    lumeo_test::TempDir m_folder;
    bool m_comReady = false;
};

// The pixel the display shows at a screen point.
COLORREF ScreenPixel(POINT at);

} // namespace skin_ui_test
