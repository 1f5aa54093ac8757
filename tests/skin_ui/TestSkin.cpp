#include "TestSkin.h"

#include "skin/model/ResourceProperties.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/StandardFont.h"

#include <gtest/gtest.h>

#include <memory>

namespace skin_ui_test {

TestSkin::TestSkin()
{
    Vexel::g_skinStore.uiFilePath = Path(L"test.xui").c_str();
    SetDesignDpi(-1, -1);
}

TestSkin::~TestSkin()
{
    Vexel::ReleaseSkin();
    SetDesignDpi(-1, -1);
}

void TestSkin::AddFont(LPCWSTR id, LONG height, LPCWSTR face)
{
    auto record = std::make_unique<Vexel::RESFONTPROPERTIES>();
    record->GetVar(Vexel::CtrlVar::ID).SetString(id);
    LOGFONTW font = Vexel::GetStandardFont();
    font.lfHeight = height;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    record->GetVar(Vexel::ResourceVar::Value).SetLogFont(font);
    ASSERT_GE(Vexel::g_skinStore.AddResource(Vexel::kFontResource, record.get()), 0);
    record.release();
}

void TestSkin::AddColor(LPCWSTR id, COLORREF color)
{
    auto record = std::make_unique<Vexel::RESCOLORPROPERTIES>();
    record->GetVar(Vexel::CtrlVar::ID).SetString(id);
    record->GetVar(Vexel::ResourceVar::Value).SetInt(static_cast<int>(color));
    ASSERT_GE(Vexel::g_skinStore.AddResource(Vexel::kColorResource, record.get()), 0);
    record.release();
}

void TestSkin::AddTextColor(LPCWSTR id)
{
    auto record = std::make_unique<Vexel::RESCOLORPROPERTIES>();
    record->GetVar(Vexel::CtrlVar::ID).SetString(id);
    record->GetVar(Vexel::ResourceVar::Value).SetString(L"red");
    ASSERT_GE(Vexel::g_skinStore.AddResource(Vexel::kColorResource, record.get()), 0);
    record.release();
}

void TestSkin::SetDesignDpi(int x, int y)
{
    Vexel::DesignDpi.LogPixelsX = x;
    Vexel::DesignDpi.LogPixelsY = y;
}

} // namespace skin_ui_test
