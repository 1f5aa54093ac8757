// The PNG writer's files read back through the system's own image decoder, pixel for pixel.
#include "tests/support/PngWriter.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using lumeo_test::RgbImage;

namespace {

template <class T> struct ComRelease {
    void operator()(T* p) const { p->Release(); }
};
template <class T> using ComPtr = std::unique_ptr<T, ComRelease<T>>;

// Decodes `png` with the imaging component into top-down RGB; empty when it refuses the file.
RgbImage Decode(const std::vector<std::uint8_t>& png)
{
    IWICImagingFactory* rawFactory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&rawFactory))))
        return {};
    const ComPtr<IWICImagingFactory> factory(rawFactory);
    IWICStream* rawStream = nullptr;
    if (FAILED(factory->CreateStream(&rawStream)))
        return {};
    const ComPtr<IWICStream> stream(rawStream);
    if (FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()), static_cast<DWORD>(png.size()))))
        return {};
    IWICBitmapDecoder* rawDecoder = nullptr;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, &rawDecoder)))
        return {};
    const ComPtr<IWICBitmapDecoder> decoder(rawDecoder);
    IWICBitmapFrameDecode* rawFrame = nullptr;
    if (FAILED(decoder->GetFrame(0, &rawFrame)))
        return {};
    const ComPtr<IWICBitmapFrameDecode> frame(rawFrame);
    UINT width = 0, height = 0;
    frame->GetSize(&width, &height);
    IWICFormatConverter* rawConverter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&rawConverter)))
        return {};
    const ComPtr<IWICFormatConverter> converter(rawConverter);
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat24bppRGB, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
        return {};
    RgbImage image(static_cast<int>(width), static_cast<int>(height));
    if (FAILED(converter->CopyPixels(nullptr, width * 3, static_cast<UINT>(image.pixels.size()), image.pixels.data())))
        return {};
    return image;
}

class PngWriter : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override { CoUninitialize(); }
};

// A picture as screenshots look: flat areas, a repeated band, and noise that matches nothing.
RgbImage Sample(int width, int height)
{
    RgbImage image(width, height);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.Row(y) + 3 * x;
            noise = noise * 1103515245u + 12345u;
            if (y < height / 3) {
                p[0] = 0x20; p[1] = 0x40; p[2] = 0x80;
            } else if (y < 2 * height / 3) {
                p[0] = static_cast<std::uint8_t>(x * 7); p[1] = static_cast<std::uint8_t>(x); p[2] = 0xFF;
            } else {
                p[0] = static_cast<std::uint8_t>(noise >> 16); p[1] = static_cast<std::uint8_t>(noise >> 8);
                p[2] = static_cast<std::uint8_t>(noise >> 24);
            }
        }
    }
    return image;
}

TEST_F(PngWriter, ThePicturesReadBackPixelForPixel)
{
    const struct { int width, height; } kSizes[] = {{1, 1}, {3, 2}, {300, 90}, {1100, 40}};
    for (const auto& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.width << "x" << size.height);
        const RgbImage image = Sample(size.width, size.height);
        const RgbImage decoded = Decode(lumeo_test::EncodePng(image));
        ASSERT_EQ(image.width, decoded.width);
        ASSERT_EQ(image.height, decoded.height);
        EXPECT_TRUE(image.pixels == decoded.pixels);
    }
}

TEST_F(PngWriter, FlatAndRepeatedAreasCompress)
{
    RgbImage flat(400, 300);
    std::fill(flat.pixels.begin(), flat.pixels.end(), std::uint8_t{0xC0});
    EXPECT_LT(lumeo_test::EncodePng(flat).size(), flat.pixels.size() / 50);
}

TEST_F(PngWriter, ChecksumsMatchTheirKnownValues)
{
    const std::string text = "123456789";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    EXPECT_EQ(0xCBF43926u, lumeo_test::Crc32(bytes, text.size()));
    EXPECT_EQ(0x091E01DEu, lumeo_test::Adler32(bytes, text.size()));
}

} // namespace
