#include "win32/sheet_art.h"

#include <wincodec.h>

#include <cstring>

#include "resources/resource.h"
#include "view/tile_art.h"

namespace {

// Classic's small sheet stays a bitmap, stretched as it always was; the
// others are PNGs, which keep the package small.
const SheetArt kArt[TileArtCount] = {
    {IDB_TILE_SHEET, 0, IDB_TILE_SHEET_LARGE},
    {0, IDB_LARGE_PRINT_SHEET, IDB_LARGE_PRINT_SHEET_LARGE},
    {0, IDB_NIGHT_SHEET, IDB_NIGHT_SHEET_LARGE},
};

template <typename Interface>
void release(Interface*& object) {
    if (object != nullptr) object->Release();
    object = nullptr;
}

// The 32-bit pixels of a decoded frame, blue first as in a bitmap.
bool framePixels(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, Pixels& pixels) {
    IWICFormatConverter* converter = nullptr;
    bool done = false;
    UINT width = 0, height = 0;
    if (SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height))) {
        pixels.width = static_cast<int>(width);
        pixels.height = static_cast<int>(height);
        pixels.data.assign(static_cast<size_t>(width) * height, 0);
        done = SUCCEEDED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                               reinterpret_cast<BYTE*>(pixels.data.data())));
    }
    release(converter);
    return done;
}

}  // namespace

SheetArt sheetArt(int32_t art) { return kArt[art >= 0 && art < TileArtCount ? art : TileArtClassic]; }

bool bitmapPixels(HINSTANCE instance, int id, Pixels& pixels) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) return false;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    BITMAPINFO format{};
    format.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB};
    pixels.width = info.bmWidth;
    pixels.height = info.bmHeight;
    pixels.data.assign(static_cast<size_t>(info.bmWidth) * info.bmHeight, 0);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    // A 24-bit bitmap leaves the fourth byte 0: the sheet is opaque.
    for (uint32_t& pixel : pixels.data) pixel |= 0xFF000000u;
    return rows == info.bmHeight;
}

HBITMAP pictureBitmap(const Pixels& pixels) {
    BITMAPINFO format{};
    format.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) std::memcpy(bits, pixels.data.data(), pixels.data.size() * sizeof(uint32_t));
    return bitmap;
}

bool pngPixels(HINSTANCE instance, int id, Pixels& pixels) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    BYTE* bytes = loaded != nullptr ? static_cast<BYTE*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return false;

    // The caller's thread may not have COM yet (the tests); pairs with the uninitialise below.
    const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    const bool done =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(bytes, SizeofResource(instance, found))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && framePixels(factory, frame, pixels);
    release(frame);
    release(decoder);
    release(stream);
    release(factory);
    if (comStarted) CoUninitialize();
    return done;
}
