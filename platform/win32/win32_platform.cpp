// platform/platform.h on user32: every operation acts on the calculator
// dialog through the window-system calls of the same name.
#include "platform/win32/win32_platform.h"

#include "engine/calculator_state.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

HINSTANCE module_instance;
HWND frame;
DLGPROC about_box_procedure;
DialogProcedure calculator_procedure;
Win32Watcher watcher;

template <typename Handle> Handle to_native(PlatformHandle handle) {
    return reinterpret_cast<Handle>(handle);
}

template <typename Handle> PlatformHandle to_platform(Handle handle) {
    return reinterpret_cast<PlatformHandle>(handle);
}

// The dialog manager calls this for every message of the calculator dialog; the core's
// handler takes the same four values.
INT_PTR CALLBACK calculator_thunk(HWND window, UINT message, WPARAM word_parameter,
                                  LPARAM long_parameter) {
    return calculator_procedure(to_platform(window), message, word_parameter, long_parameter);
}

HWND control(uint32_t id) {
    return GetDlgItem(win32_main_dialog(), static_cast<int>(id));
}

LRESULT send_to_control(uint32_t id, UINT message, WPARAM word_parameter, LPARAM long_parameter) {
    return SendMessageA(control(id), message, word_parameter, long_parameter);
}

} // namespace

void win32_platform_attach(HINSTANCE instance, HWND frame_window, DLGPROC about_procedure) {
    module_instance = instance;
    frame = frame_window;
    about_box_procedure = about_procedure;
}

void win32_platform_watch(const Win32Watcher& tool) {
    watcher = tool;
}

HWND win32_main_dialog() {
    return to_native<HWND>(calc.main_dialog);
}

INT_PTR win32_run_about_box() {
    if (watcher.about_box != nullptr) {
        watcher.about_box();
    }
    return DialogBoxParamA(module_instance, MAKEINTRESOURCEA(about_box_template), frame,
                           about_box_procedure, 0);
}

// --- Dialog lifetime ------------------------------------------------------------------

PlatformHandle platform_create_dialog(DialogProcedure procedure) {
    calculator_procedure = procedure;
    return to_platform(CreateDialogParamA(
        module_instance, MAKEINTRESOURCEA(calculator_dialog_template), frame, calculator_thunk, 0));
}

void platform_show_dialog() {
    ShowWindow(win32_main_dialog(), SW_SHOW);
}

void platform_end_dialog(uint32_t result) {
    EndDialog(win32_main_dialog(), static_cast<INT_PTR>(result));
}

void platform_destroy_frame_window() {
    DestroyWindow(frame);
}

void platform_post_quit(uint32_t exit_code) {
    PostQuitMessage(static_cast<int>(exit_code));
}

void platform_run_about_box() {
    win32_run_about_box();
}

// --- Fields and lists -----------------------------------------------------------------

uint32_t platform_get_field_text(uint32_t id, char* buffer, uint32_t size) {
    return GetDlgItemTextA(win32_main_dialog(), static_cast<int>(id), buffer,
                           static_cast<int>(size));
}

void platform_set_field_text(uint32_t id, const char* text) {
    SetDlgItemTextA(win32_main_dialog(), static_cast<int>(id), text);
}

void platform_list_reset(uint32_t id) {
    send_to_control(id, CB_RESETCONTENT, 0, 0);
}

void platform_list_add(uint32_t id, const char* text) {
    send_to_control(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int32_t platform_list_selection(uint32_t id) {
    return static_cast<int32_t>(send_to_control(id, CB_GETCURSEL, 0, 0));
}

bool platform_list_item_text(uint32_t id, int32_t index, char* buffer) {
    constexpr size_t buffer_size = 256;
    if (index < 0) {
        return false;
    }
    // CB_GETLBTEXT knows no buffer size: an item is fetched whole and cut here.
    const LRESULT length = send_to_control(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return false;
    }
    std::string item(static_cast<size_t>(length) + 1, '\0');
    if (send_to_control(id, CB_GETLBTEXT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&item[0])) == CB_ERR) {
        return false;
    }
    const size_t kept = std::min(std::strlen(item.c_str()), buffer_size - 1);
    std::memcpy(buffer, item.c_str(), kept);
    buffer[kept] = '\0';
    return true;
}

// --- Buttons and menu -----------------------------------------------------------------

bool platform_is_button_checked(uint32_t id) {
    return IsDlgButtonChecked(win32_main_dialog(), static_cast<int>(id)) == BST_CHECKED;
}

void platform_check_button(uint32_t id, bool checked) {
    CheckDlgButton(win32_main_dialog(), static_cast<int>(id),
                   checked ? BST_CHECKED : BST_UNCHECKED);
}

void platform_check_radio_button(uint32_t first, uint32_t last, uint32_t id) {
    CheckRadioButton(win32_main_dialog(), static_cast<int>(first), static_cast<int>(last),
                     static_cast<int>(id));
}

PlatformHandle platform_get_menu() {
    return to_platform(GetMenu(win32_main_dialog()));
}

void platform_check_menu_item(PlatformHandle menu, uint32_t id, uint32_t check) {
    CheckMenuItem(to_native<HMENU>(menu), id, MF_BYCOMMAND | check);
}

// --- Message boxes --------------------------------------------------------------------

uint32_t platform_message_box(const char* text, const char* caption, uint32_t style) {
    if (watcher.message_box != nullptr) {
        watcher.message_box(text, caption, style);
    }
    return static_cast<uint32_t>(MessageBoxA(nullptr, text, caption, style));
}
