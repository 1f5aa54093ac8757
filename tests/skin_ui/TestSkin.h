#pragma once
// A loaded skin for the tests: a skin folder in a temporary folder, FONT and COLOR
// resources, and the design DPI. Everything is released again when the object goes.
#include "skin/model/SkinGlobals.h"

#include "tests/support/TempDir.h"

#include <string>

namespace skin_ui_test {

class TestSkin {
public:
    TestSkin();
    ~TestSkin();
    TestSkin(const TestSkin&) = delete;
    TestSkin& operator=(const TestSkin&) = delete;

    // The full path of a file in the skin folder.
    std::wstring Path(const std::wstring& name) const { return m_folder.File(name); }

    void AddFont(LPCWSTR id, LONG height, LPCWSTR face);
    void AddColor(LPCWSTR id, COLORREF color);
    // A COLOR resource whose value is text rather than an integer colour.
    void AddTextColor(LPCWSTR id);
    void SetDesignDpi(int x, int y);

private:
    lumeo_test::TempDir m_folder;
};

} // namespace skin_ui_test
