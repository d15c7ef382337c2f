// The Windows program around the calculator: the hidden frame window that owns the
// calculator dialog, the message loop and the About box's procedure.
#include "shell/application.h"

#include "dialog/dialog_procedure.h"
#include "engine/calculator_state.h"
#include "platform/win32/win32_platform.h"

#include <windows.h>

namespace {

constexpr UINT title_string = resource_title_string;
constexpr UINT class_name_string = resource_class_name_string;
constexpr WORD large_icon = resource_large_icon;
constexpr WORD small_icon = resource_small_icon;
constexpr WORD accelerator_table = resource_accelerators;
constexpr int text_buffer_size = 100;
constexpr UINT frame_class_style = CS_HREDRAW | CS_VREDRAW | CS_NOCLOSE;

char window_title[text_buffer_size];
char window_class_name[text_buffer_size];
HINSTANCE module_instance;
HWND frame_window;
HACCEL accelerators;

// The frame window is never shown and has no menu; its commands only answer a
// WM_COMMAND that something else sends it.
LRESULT CALLBACK frame_window_proc(HWND window, UINT message, WPARAM word_parameter,
                                   LPARAM long_parameter) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_COMMAND:
        switch (LOWORD(word_parameter)) {
        case cmd_about:
            win32_run_about_box();
            return 0;
        case cmd_exit:
            DestroyWindow(window);
            return 0;
        case cmd_apply:
            SendMessageA(win32_main_dialog(), WM_COMMAND, word_parameter, long_parameter);
            Beep(0, 0);
            return 0;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, word_parameter, long_parameter);
}

INT_PTR CALLBACK about_dialog_proc(HWND window, UINT message, WPARAM word_parameter, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND &&
        (LOWORD(word_parameter) == IDOK || LOWORD(word_parameter) == IDCANCEL)) {
        EndDialog(window, LOWORD(word_parameter));
        return TRUE;
    }
    return FALSE;
}

void register_frame_class(HINSTANCE instance) {
    WNDCLASSEXA frame_class = {};
    frame_class.cbSize = sizeof frame_class;
    frame_class.style = frame_class_style;
    frame_class.lpfnWndProc = frame_window_proc;
    frame_class.hInstance = instance;
    frame_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(large_icon));
    frame_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frame_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    frame_class.lpszClassName = window_class_name;
    frame_class.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(small_icon));
    RegisterClassExA(&frame_class);
}

} // namespace

bool open_application(HINSTANCE instance) {
    LoadStringA(instance, title_string, window_title, text_buffer_size);
    LoadStringA(instance, class_name_string, window_class_name, text_buffer_size);
    register_frame_class(instance);

    module_instance = instance;
    frame_window = CreateWindowExA(0, window_class_name, window_title, WS_OVERLAPPEDWINDOW, 0, 0, 0,
                                   0, nullptr, nullptr, module_instance, nullptr);
    if (frame_window == nullptr) {
        return false;
    }
    accelerators = LoadAcceleratorsA(module_instance, MAKEINTRESOURCEA(accelerator_table));
    win32_platform_attach(module_instance, frame_window, about_dialog_proc);
    return true;
}

// Enter and Escape reach the dialog only as accelerator commands: the dialog manager's
// own keyboard handling (IsDialogMessage) is not used.
void handle_application_message(MSG* message) {
    if (TranslateAcceleratorA(win32_main_dialog(), accelerators, message) == 0) {
        TranslateMessage(message);
        DispatchMessageA(message);
    }
}

int run_application(HINSTANCE instance) {
    if (!open_application(instance)) {
        return 0;
    }
    // Without the calculator dialog no window would ever end the loop.
    if (!start_calculator()) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) != 0) {
        handle_application_message(&message);
    }
    return static_cast<int>(message.wParam);
}
