// Looks at a window of another program under Wine and prints what a test needs to find
// its way around it, one fact a line:
//
//   window LEFT TOP RIGHT BOTTOM        the window's rectangle on the screen
//   client WIDTH HEIGHT                 its client area
//   base_units X Y                      dialog base units of the template font
//   control ID CLASS LEFT TOP RIGHT BOTTOM
//   text ID TEXT                        for combo boxes: the text of the edit part
//   items ID COUNT ITEM_HEIGHT          and the list: its items and their height
//   item ID INDEX TEXT
//
// Usage: window_probe TITLE [FONT POINTS]
// The base units are worked out as the dialog manager does for a template font: the
// font's character height, and the average width of the 52 letters, rounded.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void print_rect(const char* what, const RECT& rect) {
    std::printf("%s %ld %ld %ld %ld\n", what, rect.left, rect.top, rect.right, rect.bottom);
}

// Texts of another process's controls are asked for with the Unicode messages, which
// Wine carries across processes whole, and printed in Windows-1252.
std::string ansi(const wchar_t* text) {
    char result[512] = {};
    WideCharToMultiByte(1252, 0, text, -1, result, sizeof result - 1, nullptr, nullptr);
    return result;
}

// The dialog's own controls only, not the parts of a combo box.
BOOL CALLBACK print_control(HWND control, LPARAM parent) {
    if (GetParent(control) != reinterpret_cast<HWND>(parent)) {
        return TRUE;
    }
    char window_class[64] = {};
    GetClassNameA(control, window_class, sizeof window_class);
    RECT rect;
    GetWindowRect(control, &rect);
    const int id = GetDlgCtrlID(control);
    std::printf("control %d %s %ld %ld %ld %ld\n", id, window_class, rect.left, rect.top,
                rect.right, rect.bottom);
    if (lstrcmpiA(window_class, "ComboBox") == 0) {
        wchar_t text[256] = {};
        SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
        std::printf("text %d %s\n", id, ansi(text).c_str());
        const LRESULT count = SendMessageW(control, CB_GETCOUNT, 0, 0);
        const LRESULT height = SendMessageW(control, CB_GETITEMHEIGHT, 0, 0);
        std::printf("items %d %ld %ld\n", id, static_cast<long>(count), static_cast<long>(height));
        for (LRESULT i = 0; i < count; ++i) {
            std::memset(text, 0, sizeof text);
            if (SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 256) {
                SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(text));
            }
            std::printf("item %d %ld %s\n", id, static_cast<long>(i), ansi(text).c_str());
        }
    }
    return TRUE;
}

void print_base_units(const char* face, int points) {
    const HDC screen = GetDC(nullptr);
    const HFONT font =
        CreateFontA(-MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_DONTCARE,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
    const HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(screen, &metrics);
    const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size;
    GetTextExtentPoint32A(screen, letters, 52, &size);
    std::printf("base_units %ld %ld\n", (size.cx / 26 + 1) / 2, metrics.tmHeight);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: window_probe TITLE [FONT POINTS]\n");
        return 2;
    }
    const HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr) {
        std::fprintf(stderr, "window_probe: no window \"%s\"\n", argv[1]);
        return 1;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    print_rect("window", rect);
    GetClientRect(window, &rect);
    std::printf("client %ld %ld\n", rect.right - rect.left, rect.bottom - rect.top);
    if (argc == 4) {
        print_base_units(argv[2], std::atoi(argv[3]));
    }
    EnumChildWindows(window, print_control, reinterpret_cast<LPARAM>(window));
    return 0;
}
