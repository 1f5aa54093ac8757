#include "ScreenSkin.h"

#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"

#include <ole2.h>

using namespace Vexel;

namespace skin_ui_test {

ScreenSkin::ScreenSkin() : m_comReady(SUCCEEDED(::OleInitialize(nullptr)))
{
}

ScreenSkin::~ScreenSkin()
{
    ReleaseSkin();
    g_skinStore.ClearIDTable();
    DesignDpi = DesignDpiPair{};
    if (m_comReady)
        ::OleUninitialize();
}

bool ScreenSkin::AddImage(LPCWSTR file, int w, int h, const ColorRule& rule)
{
    return WriteBmp(m_folder.File(file), w, h, rule);
}

int ScreenSkin::Open(const std::string& skin, const std::string& resourceH)
{
    if (!m_comReady || !lumeo_test::WriteFileBytes(m_folder.File(L"skin.xui"), skin) ||
        !lumeo_test::WriteFileBytes(m_folder.File(L"Resource.h"), resourceH))
        return -1;
    return OpenSkin(m_folder.File(L"skin.xui").c_str(), 1);
}

COLORREF ScreenPixel(POINT at)
{
    const HDC screen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(screen, at.x, at.y);
    ::ReleaseDC(nullptr, screen);
    return pixel;
}

} // namespace skin_ui_test
