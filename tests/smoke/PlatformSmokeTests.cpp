// Proves the platform under the test harness: windows, painting, timers, registry, MSXML, SQLite.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <msxml2.h>
#include <sqlite3.h>

#include <string>

#include "tests/support/TempDir.h"

namespace {

constexpr COLORREF kPaintColour = RGB(0x20, 0x80, 0xC0);

LRESULT CALLBACK PaintingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(kPaintColour);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_TIMER:
        KillTimer(hwnd, wp);
        PostQuitMessage(static_cast<int>(wp));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

const wchar_t kClassName[] = L"LumeoSmokeWindow";

bool RegisterSmokeClass()
{
    WNDCLASSW existing;
    if (GetClassInfoW(GetModuleHandleW(nullptr), kClassName, &existing))
        return true;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PaintingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc) != 0;
}

struct WindowDeleter {
    void operator()(HWND h) const { DestroyWindow(h); }
};

TEST(Platform, WindowIsCreatedPaintedAndItsPixelReadBack)
{
    ASSERT_TRUE(RegisterSmokeClass());
    ASSERT_TRUE(RegisterSmokeClass()) << "registering twice must be harmless";
    HWND hwnd = CreateWindowExW(0, kClassName, L"smoke", WS_POPUP | WS_VISIBLE, 10, 10, 120, 80,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    std::unique_ptr<HWND__, WindowDeleter> owner(hwnd);

    RECT rc;
    GetClientRect(hwnd, &rc);
    EXPECT_EQ(rc.right, 120);
    EXPECT_EQ(rc.bottom, 80);

    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    const COLORREF pixel = GetPixel(dc, 60, 40);
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(pixel, kPaintColour);
}

TEST(Platform, TimerIsDelivered)
{
    ASSERT_TRUE(RegisterSmokeClass());
    HWND hwnd = CreateWindowExW(0, kClassName, L"timer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    std::unique_ptr<HWND__, WindowDeleter> owner(hwnd);

    ASSERT_NE(SetTimer(hwnd, 77, 20, nullptr), 0u);
    const DWORD start = GetTickCount();
    MSG msg;
    int quitCode = -1;
    while (GetTickCount() - start < 5000) {
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quitCode = static_cast<int>(msg.wParam);
                break;
            }
            DispatchMessageW(&msg);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
    }
    EXPECT_EQ(quitCode, 77);
}

TEST(Platform, RegistryValueIsWrittenAndReadBack)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\LumeoSmoke", 0, nullptr, 0,
                              KEY_READ | KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
    const wchar_t value[] = L"C:\\Program Files\\Lumeo\\Lumeo.exe \u00e9";
    ASSERT_EQ(RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value),
              ERROR_SUCCESS);
    wchar_t back[128] = {};
    DWORD size = sizeof back;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Path", nullptr, &type, reinterpret_cast<BYTE*>(back), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(back, value);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\LumeoSmoke"), ERROR_SUCCESS);
}

// MinGW's msxml2.h declares no IIDs usable with __uuidof: literal GUIDs.
const CLSID kClsidDomDocument = {0xf6d90f11, 0x9c73, 0x11d3, {0xb3, 0x2e, 0x00, 0xc0, 0x4f, 0x99, 0x0b, 0xb4}};
const IID kIidXmlDomDocument = {0x2933bf81, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

TEST(Platform, MsxmlParsesADocument)
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        IXMLDOMDocument* doc = nullptr;
        ASSERT_EQ(CoCreateInstance(kClsidDomDocument, nullptr, CLSCTX_INPROC_SERVER, kIidXmlDomDocument,
                                   reinterpret_cast<void**>(&doc)), S_OK);
        BSTR xml = SysAllocString(L"<VexelUI><Version value=\"0700\"/><Windows/></VexelUI>");
        VARIANT_BOOL ok = VARIANT_FALSE;
        EXPECT_EQ(doc->loadXML(xml, &ok), S_OK);
        EXPECT_EQ(ok, VARIANT_TRUE);
        SysFreeString(xml);

        IXMLDOMElement* root = nullptr;
        ASSERT_EQ(doc->get_documentElement(&root), S_OK);
        ASSERT_NE(root, nullptr);
        BSTR name = nullptr;
        root->get_tagName(&name);
        EXPECT_STREQ(name, L"VexelUI");
        SysFreeString(name);

        IXMLDOMNode* version = nullptr;
        BSTR query = SysAllocString(L"Version");
        EXPECT_EQ(root->selectSingleNode(query, &version), S_OK);
        SysFreeString(query);
        ASSERT_NE(version, nullptr);
        IXMLDOMElement* versionElement = nullptr;
        version->QueryInterface(IID_IXMLDOMElement, reinterpret_cast<void**>(&versionElement));
        ASSERT_NE(versionElement, nullptr);
        VARIANT value;
        VariantInit(&value);
        BSTR attr = SysAllocString(L"value");
        EXPECT_EQ(versionElement->getAttribute(attr, &value), S_OK);
        SysFreeString(attr);
        EXPECT_EQ(value.vt, VT_BSTR);
        if (value.vt == VT_BSTR) {
            EXPECT_STREQ(value.bstrVal, L"0700");
        }
        VariantClear(&value);
        versionElement->Release();
        version->Release();
        root->Release();
        doc->Release();
    }
    CoUninitialize();
}

TEST(Platform, SqliteDatabaseSurvivesCloseAndReopen)
{
    lumeo_test::TempDir dir;
    char path[MAX_PATH * 3];
    WideCharToMultiByte(CP_UTF8, 0, dir.File(L"smoke.db").c_str(), -1, path, sizeof path, nullptr, nullptr);

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path, &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE T(k INTEGER, v TEXT); INSERT INTO T VALUES(1, 'it''s');",
                           nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_close(db), SQLITE_OK);

    db = nullptr;
    ASSERT_EQ(sqlite3_open(path, &db), SQLITE_OK);
    char** table = nullptr;
    int rows = 0, cols = 0;
    ASSERT_EQ(sqlite3_get_table(db, "SELECT k, v FROM T", &table, &rows, &cols, nullptr), SQLITE_OK);
    ASSERT_EQ(rows, 1);
    ASSERT_EQ(cols, 2);
    EXPECT_STREQ(table[2], "1");
    EXPECT_STREQ(table[3], "it's");
    sqlite3_free_table(table);
    EXPECT_EQ(sqlite3_close(db), SQLITE_OK);
}

TEST(Platform, AnsiCodePageIsPinned)
{
    // Conversions between ANSI, UTF-8 and wide text are tested against code page 1252.
    EXPECT_EQ(GetACP(), 1252u);
}

} // namespace
