#include "win32/dpi.h"

#include "view/metrics.h"
#include "win32/system_function.h"

namespace {

// The non-client metrics at `dpi`; where Windows knows no other, the
// system's own, scaled from its density.
NONCLIENTMETRICSW nonClientMetrics(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    using ForDpi = BOOL WINAPI(UINT, UINT, void*, UINT, UINT);
    if (auto* forDpi = systemFunction<ForDpi>("user32.dll", "SystemParametersInfoForDpi"))
        if (forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) return metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi, systemDpi);
    return metrics;
}

}  // namespace

int windowDpi(HWND window) {
    using ForWindow = UINT WINAPI(HWND);
    if (auto* forWindow = systemFunction<ForWindow>("user32.dll", "GetDpiForWindow"))
        if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

HFONT createStatusFont(int dpi) {
    const NONCLIENTMETRICSW metrics = nonClientMetrics(dpi);
    return CreateFontIndirectW(&metrics.lfStatusFont);
}

RECT windowRectForClient(int width, int height, int dpi) {
    RECT frame{0, 0, width, height};
    using ForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    const DWORD style = WS_CAPTION | WS_THICKFRAME;
    if (auto* forDpi = systemFunction<ForDpi>("user32.dll", "AdjustWindowRectExForDpi"))
        if (forDpi(&frame, style, TRUE, 0, dpi)) return frame;
    AdjustWindowRect(&frame, style, TRUE);
    return frame;
}
