// Proves that a skin image is decoded once per process and shared: the same file, strip part
// or DPI scaling asked for twice gives one bitmap, another key gives another; two controls
// drawing one file hold one image, which outlives the first of them and goes with the last;
// a file written again makes a new image; and a hold owns what it adopts.
#include "ControlTestSupport.h"
#include "FakeSystem.h"
#include "GdiCount.h"
#include "Pixels.h"

#include "skin/model/EditProperties.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/controls/SkinStatic.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

COLORREF ByColumn(int x, int)
{
    return RGB(x, 10, 20);
}

SIZE SizeOf(HBITMAP bitmap)
{
    SIZE size = {-1, -1};
    GetBitmapSize(bitmap, size);
    return size;
}

bool IsLive(HBITMAP bitmap)
{
    return ::GetObjectType(bitmap) == OBJ_BITMAP;
}

class SkinImageStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteBmp(skin.Path(L"strip.bmp"), 40, 6, ByColumn));
        ASSERT_TRUE(WriteBmp(skin.Path(L"other.bmp"), 40, 6, ByColumn));
    }
    std::wstring Strip() const { return skin.Path(L"strip.bmp"); }

    FakeSystem system;
    TestSkin skin;
};

TEST_F(SkinImageStoreTest, TheSameKeyGivesOneImageAndAnotherKeyAnother)
{
    using Load = std::function<SharedBitmap()>;
    const auto part = [&](std::wstring path, bool scaled, int index, int count) {
        return [=] {
            SharedBitmap parts[8];
            SharedFileImageParts(path.c_str(), scaled, count, parts);
            return parts[index];
        };
    };
    std::wstring upper = Strip();
    ::CharUpperBuffW(&upper[0], static_cast<DWORD>(upper.size()));
    const struct {
        const char* name;
        Load first;
        Load second;
        bool same;
    } cases[] = {
        {"whole file", [&] { return SharedFileImage(Strip().c_str(), false); },
         [&] { return SharedFileImage(Strip().c_str(), false); }, true},
        {"path in other letter case", [&] { return SharedFileImage(Strip().c_str(), false); },
         [&] { return SharedFileImage(upper.c_str(), false); }, true},
        {"another file", [&] { return SharedFileImage(Strip().c_str(), false); },
         [&] { return SharedFileImage(skin.Path(L"other.bmp").c_str(), false); }, false},
        {"one strip part", part(Strip(), false, 1, 4), part(Strip(), false, 1, 4), true},
        {"another part", part(Strip(), false, 1, 4), part(Strip(), false, 2, 4), false},
        {"another count", part(Strip(), false, 1, 4), part(Strip(), false, 1, 2), false},
        {"a part or the whole", part(Strip(), false, 0, 1), [&] { return SharedFileImage(Strip().c_str(), false); },
         false},
    };
    for (const auto& row : cases) {
        const SharedBitmap first = row.first();
        const SharedBitmap second = row.second();
        ASSERT_TRUE(first && second) << row.name;
        EXPECT_EQ(first == second, row.same) << row.name;
    }
}

TEST_F(SkinImageStoreTest, StripPartsAreCutAtIWOverNAndSharedPerPart)
{
    SharedBitmap parts[4];
    ASSERT_TRUE(SharedFileImageParts(Strip().c_str(), false, 4, parts));
    SharedBitmap again[4];
    ASSERT_TRUE(SharedFileImageParts(Strip().c_str(), false, 4, again));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(parts[i], again[i]) << i;
        EXPECT_EQ(SizeOf(parts[i]).cx, 10) << i;
        EXPECT_EQ(BitmapPixel(parts[i], 0, 0), ByColumn(10 * i, 0)) << i;
    }
    SharedBitmap none[2];
    EXPECT_FALSE(SharedFileImageParts(skin.Path(L"absent.bmp").c_str(), false, 2, none));
    EXPECT_FALSE(none[0] || none[1]);
}

TEST_F(SkinImageStoreTest, ScaledImagesAreSharedPerDpiAndApartFromTheUnscaled)
{
    system.screenDpi = SIZE{120, 120};
    skin.SetDesignDpi(96, 96);
    const SharedBitmap scaled = SharedFileImage(Strip().c_str(), true);
    EXPECT_EQ(scaled, SharedFileImage(Strip().c_str(), true));
    EXPECT_EQ(SizeOf(scaled).cx, 50);
    const SharedBitmap unscaled = SharedFileImage(Strip().c_str(), false);
    EXPECT_NE(scaled, unscaled);
    EXPECT_EQ(SizeOf(unscaled).cx, 40);

    SharedBitmap parts[2];
    ASSERT_TRUE(SharedFileImageParts(Strip().c_str(), true, 2, parts));
    EXPECT_EQ(SizeOf(parts[0]).cx, 25);   // the strip scaled before it is cut

    system.screenDpi = SIZE{144, 144};
    const SharedBitmap larger = SharedFileImage(Strip().c_str(), true);
    EXPECT_NE(larger, scaled);
    EXPECT_EQ(SizeOf(larger).cx, 60);
}

TEST_F(SkinImageStoreTest, AFileWrittenAgainGivesANewImage)
{
    const SharedBitmap before = SharedFileImage(Strip().c_str(), false);
    ASSERT_TRUE(WriteBmp(Strip(), 30, 6, [](int, int) { return RGB(9, 8, 7); }));
    const SharedBitmap after = SharedFileImage(Strip().c_str(), false);
    ASSERT_TRUE(after);
    EXPECT_NE(before, after);
    EXPECT_EQ(SizeOf(after).cx, 30);
    EXPECT_EQ(BitmapPixel(after, 0, 0), RGB(9, 8, 7));
    EXPECT_EQ(BitmapPixel(before, 1, 0), ByColumn(1, 0));   // the old holder's image is untouched
}

TEST_F(SkinImageStoreTest, AnImageGoesWhenItsLastHolderLetsGo)
{
    const auto holdAndRelease = [&] {
        SharedBitmap first = SharedFileImage(Strip().c_str(), false);
        SharedBitmap second = SharedFileImage(Strip().c_str(), false);
        const HBITMAP handle = first;
        ASSERT_TRUE(IsLive(handle));
        first.Release();
        first.Release();   // a second release does nothing
        EXPECT_TRUE(IsLive(handle));
        EXPECT_EQ(SizeOf(second).cx, 40);
        second.Release();
        EXPECT_FALSE(IsLive(handle));
        EXPECT_NE(SharedFileImage(Strip().c_str(), false), SharedBitmap());   // made again on demand
    };
    EXPECT_EQ(GdiObjectsLeftBy(holdAndRelease), 0);
    EXPECT_EQ(LiveStoreImages(), 0u);

    const auto adopted = [] {
        const HBITMAP made = Solid(RGB(1, 2, 3), 4, 4);
        SharedBitmap held = SharedBitmap::Adopt(made);
        const SharedBitmap copy = held;
        held.Release();
        EXPECT_TRUE(IsLive(made));
    };
    EXPECT_EQ(GdiObjectsLeftBy(adopted), 0);
}

TEST_F(SkinImageStoreTest, CutsOfOneImageAtOneRectangleAreOneImage)
{
    const SharedBitmap source = SharedFileImage(Strip().c_str(), false);
    const RECT rect = {5, 1, 15, 4};
    const SharedBitmap cut = SharedCrop(source, rect);
    EXPECT_EQ(cut, SharedCrop(source, rect));
    EXPECT_NE(cut, SharedCrop(source, RECT{6, 1, 15, 4}));
    EXPECT_EQ(BitmapPixel(cut, 0, 0), ByColumn(5, 0));
    EXPECT_FALSE(SharedCrop(SharedBitmap(), rect));
}

// Two statics made from one record, as two windows of one kind make them.
class SharedStaticImagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_SHARED", kWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 100, 60, &Tag);
        ASSERT_TRUE(parent.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        SetText(record, CtrlVar::Type, L"STATIC");
        SetSwitch(record, CtrlVar::IsCanBackgroundChange, true);
        SetSwitch(record, CtrlVar::IsSpecifyImages, true);
        skin.SetImage(record, CtrlVar::BackgroundNormal, L"n.bmp", 60, 20, [](int, int) { return kNormal; });
        skin.SetImage(record, CtrlVar::BackgroundDisabled, L"d.bmp", 60, 20, [](int, int) { return kDisabled; });
    }

    static constexpr int kWindowId = 3960;
    static constexpr COLORREF kNormal = RGB(20, 120, 220);
    static constexpr COLORREF kDisabled = RGB(220, 120, 20);
    WindowSkin skin;
    ProbeWnd parent{kWindowId};
    TXTPROPERTIES record;
};

TEST_F(SharedStaticImagesTest, TwoControlsHoldOneImageThatOutlivesTheFirstAndGoesWithTheLast)
{
    const auto twoStatics = [&] {
        const std::size_t window = LiveStoreImages();   // the parent's background
        auto first = std::make_unique<CSkinStatic>();
        CSkinStatic second;
        ASSERT_TRUE(first->Create(L"", WS_VISIBLE, RECT{0, 0, 60, 20}, &parent, 1961));
        ASSERT_TRUE(second.Create(L"", WS_VISIBLE, RECT{0, 30, 60, 50}, &parent, 1962));
        ASSERT_EQ(first->ApplyProperties(&record), 0);
        ASSERT_EQ(second.ApplyProperties(&record), 0);
        EXPECT_EQ(LiveStoreImages(), window + 2);   // normal and disabled, once each

        SharedBitmap loaded[2];
        LoadTwoStateImages(&record, &loaded[0], &loaded[1]);
        EXPECT_EQ(LiveStoreImages(), window + 2);   // a third holder makes nothing new
        loaded[0].Release();
        loaded[1].Release();

        first->ReleaseImages();
        first->DestroyWindow();
        first.reset();
        Canvas canvas(60, 20);
        PaintInto(second, canvas);
        EXPECT_EQ(canvas.At(30, 10), kNormal);
        EXPECT_EQ(LiveStoreImages(), window + 2);

        second.ReleaseImages();
        second.DestroyWindow();
        EXPECT_EQ(LiveStoreImages(), window);
    };
    EXPECT_EQ(GdiObjectsLeftBy(twoStatics), 0);
}

TEST_F(SharedStaticImagesTest, TwoWindowsOfOneKindHoldOneBackground)
{
    const auto twoWindows = [&] {
        const std::size_t before = LiveStoreImages();
        ProbeWnd second{kWindowId};
        ASSERT_TRUE(second.Create(0, WS_POPUP, nullptr, 1, 0));
        // The background is the normal image too: one image for both windows.
        EXPECT_EQ(LiveStoreImages(), before);
        EXPECT_EQ(BitmapPixel(ComposedBackground(second), 7, 5), Tag(7, 5));
        second.DestroyWindow();
        EXPECT_EQ(LiveStoreImages(), before);   // still the first window's
    };
    EXPECT_EQ(GdiObjectsLeftBy(twoWindows), 0);
}

} // namespace
} // namespace skin_ui_test
