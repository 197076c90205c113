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

// The Windows Imaging Component from the system's folder, loaded for one
// decoding and freed after it: COM would keep it, and the libraries it
// brings, loaded for the rest of the run, a megabyte and more that a set
// decoded once no longer needs.
HMODULE loadCodecs() {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    const char name[] = "\\windowscodecs.dll";
    if (length == 0 || length + sizeof name > MAX_PATH) return nullptr;
    std::memcpy(path + length, name, sizeof name);
    return LoadLibraryA(path);
}

// The imaging factory from the class object of the library itself.
IWICImagingFactory* imagingFactory(HMODULE codecs) {
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    const FARPROC exported = codecs != nullptr ? GetProcAddress(codecs, "DllGetClassObject") : nullptr;
    const auto getClassObject = reinterpret_cast<GetClassObject>(reinterpret_cast<void (*)()>(exported));
    IClassFactory* maker = nullptr;
    IWICImagingFactory* factory = nullptr;
    if (getClassObject != nullptr &&
        SUCCEEDED(getClassObject(CLSID_WICImagingFactory, IID_IClassFactory, reinterpret_cast<void**>(&maker)))) {
        maker->CreateInstance(nullptr, IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    }
    release(maker);
    return factory;
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

HBITMAP sectionBitmap(int width, int height, uint32_t** bits) {
    BITMAPINFO format{};
    format.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits != nullptr) *bits = static_cast<uint32_t*>(pixels);
    return bitmap;
}

HBITMAP pictureBitmap(const Pixels& pixels) {
    uint32_t* bits = nullptr;
    HBITMAP bitmap = sectionBitmap(pixels.width, pixels.height, &bits);
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
    HMODULE codecs = loadCodecs();
    IWICImagingFactory* factory = imagingFactory(codecs);
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    const bool done =
        factory != nullptr && SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(bytes, SizeofResource(instance, found))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && framePixels(factory, frame, pixels);
    release(frame);
    release(decoder);
    release(stream);
    release(factory);
    if (codecs != nullptr) FreeLibrary(codecs);
    if (comStarted) CoUninitialize();
    return done;
}
