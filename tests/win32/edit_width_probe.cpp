// Measures, on the real calculator dialog 130 of this program's own resources, how the
// edit part of a drop-down combo box without CBS_AUTOHSCROLL limits its text to its
// width, and prints one fact a line:
//
//   base_units X Y                        the dialog's base units (MapDialogRect)
//   font FACE HEIGHT                      the font the edit parts use (WM_GETFONT)
//   edit ID DLU_WIDTH COMBO_PX CLIENT_PX FORMAT_LEFT FORMAT_RIGHT AUTOHSCROLL
//   advance CODE PIXELS                   GetTextExtentPoint32A of each byte 0x20-0xFF
//   fill ID CHAR COUNT WIDTH              how many of one character typing puts in
//   after_full [TYPED] [TEXT]             soft hyphens and blanks typed after "000" in 176
//   case NAME ...                         one behaviour: text afterwards, notifications
//
// A "case" line names what was done and shows the edit text afterwards in brackets and
// every WM_COMMAND the dialog received meanwhile as ID:CODE. Typing is done both with
// WM_CHAR sent to the edit (what the keyboard's characters become) and with real input
// (SendInput), pasting with WM_PASTE and with Ctrl+V, list choices with CB_SETCURSEL and
// with the mouse.
//
// Usage: edit_width_probe [check]
// With "check" it compares what it measured with the tables of the in-memory dialog and
// exits with 1 on a difference (each difference printed as "differs ...").
#include "platform/shared/edit_font_widths.h"
#include "platform/shared/edit_width.h"
#include "shell/dialog_layout.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND dialog;
std::string log_line;

INT_PTR CALLBACK probe_procedure(HWND, UINT message, WPARAM word, LPARAM long_parameter) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND) {
        log_line += " " + std::to_string(LOWORD(word)) + ":" + std::to_string(HIWORD(word));
        const LRESULT selection =
            SendMessageA(reinterpret_cast<HWND>(long_parameter), CB_GETCURSEL, 0, 0);
        log_line += "/" + std::to_string(static_cast<long>(selection));
        return TRUE;
    }
    return FALSE;
}

// Everything waiting is handled, and the queue stays quiet for a while.
void pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    MSG message;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(dialog, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        Sleep(5);
    }
}

HWND combo(int id) {
    return GetDlgItem(dialog, id);
}

HWND edit_of(int id) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo(id), &info);
    return info.hwndItem;
}

std::string text_of(int id) {
    char text[512] = {};
    GetWindowTextA(combo(id), text, sizeof text);
    return text;
}

void report(const std::string& name, int id) {
    std::printf("case %s [%s]%s\n", name.c_str(), text_of(id).c_str(), log_line.c_str());
    log_line.clear();
}

// The text set by the program, the edit focused, the caret at the end; nothing logged.
void prepare(int id, const char* text) {
    SetDlgItemTextA(dialog, id, text);
    SetFocus(edit_of(id));
    SendMessageA(edit_of(id), EM_SETSEL, 0x7FFF, 0x7FFF);
    pump(50);
    log_line.clear();
}

void type_by_message(int id, const char* text) {
    for (; *text != '\0'; ++text) {
        SendMessageA(edit_of(id), WM_CHAR, static_cast<BYTE>(*text), 1);
    }
}

void send_inputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    pump(150);
}

INPUT key(WORD virtual_key, bool release) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

void type_by_input(const char* text) {
    std::vector<INPUT> inputs;
    for (; *text != '\0'; ++text) {
        wchar_t character = 0;
        MultiByteToWideChar(1252, 0, text, 1, &character, 1);
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(character);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    send_inputs(inputs);
}

void put_on_clipboard(const char* text) {
    OpenClipboard(dialog);
    EmptyClipboard();
    const size_t size = std::strlen(text) + 1;
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), text, size);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

INPUT mouse(DWORD flags, POINT at) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx =
        (at.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy =
        (at.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void click(POINT at) {
    send_inputs({mouse(0, at), mouse(MOUSEEVENTF_LEFTDOWN, at), mouse(MOUSEEVENTF_LEFTUP, at)});
}

// Opens the list with a click on its arrow and clicks item `index`.
void choose_with_mouse(int id, int index) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo(id), &info);
    POINT arrow = {(info.rcButton.left + info.rcButton.right) / 2,
                   (info.rcButton.top + info.rcButton.bottom) / 2};
    ClientToScreen(combo(id), &arrow);
    click(arrow);
    RECT item;
    SendMessageA(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    POINT at = {item.left + 5, (item.top + item.bottom) / 2};
    ClientToScreen(info.hwndList, &at);
    click(at);
}

int advance[256];

int width_of(const std::string& text) {
    int width = 0;
    for (const char c : text) {
        width += advance[static_cast<BYTE>(c)];
    }
    return width;
}

int differences = 0;

void compare(const char* what, int id, int measured, int table) {
    if (measured != table) {
        std::printf("differs %s %d: measured %d, table %d\n", what, id, measured, table);
        ++differences;
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool check = argc == 2 && std::strcmp(argv[1], "check") == 0;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(130), nullptr, probe_procedure, 0);
    if (dialog == nullptr) {
        std::fprintf(stderr, "edit_width_probe: dialog 130 not created (%lu)\n", GetLastError());
        return 2;
    }
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    pump(300);

    RECT units = {0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    std::printf("base_units %ld %ld\n", units.right, units.bottom);

    const int limited[] = {172, 174, 176, 178, 179, 180};
    const int others[] = {175, 181, 169};
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(edit_of(174), WM_GETFONT, 0, 0));
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    std::printf("font %s %ld\n", description.lfFaceName, description.lfHeight);

    const HDC context = GetDC(edit_of(174));
    const HGDIOBJ old_font = SelectObject(context, font);
    for (int code = 0x20; code <= 0xFF; ++code) {
        const char c = static_cast<char>(code);
        SIZE size = {};
        GetTextExtentPoint32A(context, &c, 1, &size);
        advance[code] = size.cx;
        std::printf("advance %d %ld\n", code, size.cx);
        if (check) {
            compare("advance", code, size.cx, edit_font_widths[code - edit_font_first_code]);
        }
    }
    // Whole texts measure as the sum of their characters (no kerning in this font).
    for (const char* text : {"4,7 GB Rohling v ", "700 MB / 80 Min.", "AVAWTy", "\xC4rger"}) {
        SIZE size = {};
        GetTextExtentPoint32A(context, text, static_cast<int>(std::strlen(text)), &size);
        std::printf("extent [%s] %ld sum %d\n", text, size.cx, width_of(text));
    }
    SelectObject(context, old_font);
    ReleaseDC(edit_of(174), context);

    for (const int id : limited) {
        RECT combo_rect;
        RECT client;
        RECT format;
        GetWindowRect(combo(id), &combo_rect);
        GetClientRect(edit_of(id), &client);
        SendMessageA(edit_of(id), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const LONG style = GetWindowLongA(edit_of(id), GWL_STYLE);
        const ControlLayout* const layout = find_control(id);
        std::printf("edit %d %d %ld %ld %ld %ld %d\n", id, layout->width,
                    combo_rect.right - combo_rect.left, client.right - client.left, format.left,
                    format.right, (style & ES_AUTOHSCROLL) != 0 ? 1 : 0);
        if (check) {
            compare("auto scroll", id, (style & ES_AUTOHSCROLL) != 0 ? 1 : 0, 0);
            compare("edit width", id, format.right - format.left,
                    static_cast<int>(edit_width_limit(static_cast<uint32_t>(id))));
        }
    }
    for (const int id : others) {
        const LONG style = GetWindowLongA(edit_of(id), GWL_STYLE);
        std::printf("unlimited %d %d\n", id, (style & ES_AUTOHSCROLL) != 0 ? 1 : 0);
        if (check) {
            compare("limit of unlimited", id, (style & ES_AUTOHSCROLL) != 0 ? 0 : -1,
                    static_cast<int>(edit_width_limit(static_cast<uint32_t>(id))));
        }
    }

    // How far typing one character again and again goes, in every limited field.
    for (const int id : limited) {
        for (const char c : {'i', '0', 'W', ' ', 'm'}) {
            prepare(id, "");
            const std::string many(200, c);
            type_by_message(id, many.c_str());
            const std::string text = text_of(id);
            std::printf("fill %d %c %u %d\n", id, c, static_cast<unsigned>(text.size()),
                        width_of(text));
            if (check) {
                const uint32_t fits = edit_width_limit(static_cast<uint32_t>(id)) /
                                      edit_char_width(static_cast<uint8_t>(c));
                compare("fill", id, static_cast<int>(text.size()), static_cast<int>(fits));
            }
        }
    }
    // The room a soft hyphen and the blanks after it take in the field: typed after "000"
    // (18 pixels, the field's width), one by one, and compared with what the in-memory
    // dialog's measure takes of them.
    const char* const after_full[] = {"\xAD", "\xAD  0", "\xAD a ", "\xAD 0 0"};
    for (const char* typed : after_full) {
        prepare(176, "000");
        type_by_message(176, typed);
        std::string expected = "000";
        for (const char* c = typed; *c != '\0'; ++c) {
            const std::string longer = expected + *c;
            if (edit_text_width(longer.c_str(), longer.size()) <= edit_width_limit(176)) {
                expected = longer;
            }
        }
        std::printf("after_full [%s] [%s]\n", typed, text_of(176).c_str());
        if (check) {
            compare("taken after a full text", 176, static_cast<int>(text_of(176).size()),
                    static_cast<int>(expected.size()));
        }
    }
    log_line.clear();
    if (check) {
        std::printf("%s\n", differences == 0 ? "same" : "different");
        DestroyWindow(dialog);
        return differences == 0 ? 0 : 1;
    }

    const char* const long_text = "4,7 GB Rohling vom Discounter, gepr\xFC"
                                  "ft und doppelt gebrannt";
    // (a) typing, one character at a time, at the end.
    prepare(174, "");
    for (const char* c = long_text; *c != '\0'; ++c) {
        const char one[2] = {*c, '\0'};
        type_by_message(174, one);
        report(std::string("type_message_'") + *c + "'", 174);
    }
    prepare(174, "");
    type_by_input(long_text);
    report("type_input_whole", 174);
    prepare(174, "");
    type_by_input("4,7 GB Rohling v");
    report("type_input_prefix", 174);
    type_by_input("o");
    report("type_input_o_refused?", 174);
    type_by_input(" ");
    report("type_input_blank", 174);
    // In the middle of a full text.
    prepare(174, "4,7 GB Rohling v ");
    SendMessageA(edit_of(174), EM_SETSEL, 2, 2);
    type_by_message(174, "W");
    report("type_middle_W", 174);
    type_by_message(174, "i");
    report("type_middle_i", 174);
    // Over a selection: the selection goes, the character comes if the result fits.
    prepare(174, "4,7 GB Rohling v ");
    SendMessageA(edit_of(174), EM_SETSEL, 0, -1);
    type_by_message(174, "W");
    report("type_over_all", 174);
    prepare(174, "4,7 GB Rohling v ");
    SendMessageA(edit_of(174), EM_SETSEL, 16, 17);
    type_by_message(174, "W");
    report("type_W_over_last_blank", 174);
    // Backspace in a full field.
    prepare(174, "4,7 GB Rohling v ");
    type_by_message(174, "\b");
    report("backspace", 174);

    // (b) pasting, over the whole text and at the end.
    put_on_clipboard(long_text);
    prepare(174, "870");
    SendMessageA(edit_of(174), EM_SETSEL, 0, -1);
    SendMessageA(edit_of(174), WM_PASTE, 0, 0);
    report("paste_message_over_all", 174);
    prepare(174, "870 MB");
    SendMessageA(edit_of(174), WM_PASTE, 0, 0);
    report("paste_message_at_end", 174);
    prepare(174, "4,7 GB Rohling v ");
    SendMessageA(edit_of(174), WM_PASTE, 0, 0);
    report("paste_message_into_full", 174);
    prepare(174, "870");
    SendMessageA(edit_of(174), EM_SETSEL, 1, 1);
    SendMessageA(edit_of(174), WM_PASTE, 0, 0);
    report("paste_message_in_middle", 174);
    prepare(174, "870");
    send_inputs(
        {key(VK_SHIFT, false), key(VK_HOME, false), key(VK_HOME, true), key(VK_SHIFT, true)});
    send_inputs({key(VK_CONTROL, false), key('V', false), key('V', true), key(VK_CONTROL, true)});
    report("paste_input_over_all", 174);
    prepare(174, "870");
    SendMessageA(edit_of(174), EM_SETSEL, 0, -1);
    SendMessageA(edit_of(174), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(long_text));
    report("replacesel_over_all", 174);

    // A unit selector the same way.
    put_on_clipboard("MBMBMBMB");
    prepare(176, "b");
    SendMessageA(edit_of(176), EM_SETSEL, 0, -1);
    SendMessageA(edit_of(176), WM_PASTE, 0, 0);
    report("paste_unit_selector", 176);
    prepare(176, "");
    type_by_message(176, "MMMMMMMM");
    report("type_unit_selector", 176);

    // (c) the program's own texts.
    prepare(174, "");
    SetDlgItemTextA(dialog, 174, long_text);
    report("set_dlg_item_text", 174);
    SendMessageA(combo(174), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(long_text));
    report("wm_settext_combo", 174);
    SetWindowTextA(edit_of(174), long_text);
    report("set_window_text_edit", 174);
    SetDlgItemTextA(dialog, 176, "MBMBMBMB");
    report("set_dlg_item_text_unit", 176);
    // Typing at the end of a text that is already too wide.
    prepare(174, long_text);
    type_by_message(174, "i");
    report("type_after_too_wide", 174);
    prepare(174, long_text);
    type_by_message(174, "\b");
    report("backspace_after_too_wide", 174);
    prepare(174, long_text);
    SendMessageA(edit_of(174), EM_SETSEL, 0, -1);
    type_by_message(174, "x");
    report("type_over_too_wide", 174);

    // (d) list items wider than the edit.
    SendMessageA(combo(174), CB_RESETCONTENT, 0, 0);
    SendMessageA(combo(174), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("1,4 GB"));
    SendMessageA(combo(174), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(long_text));
    log_line.clear();
    SendMessageA(combo(174), CB_SETCURSEL, 1, 0);
    report("setcursel_long_item", 174);
    SendMessageA(combo(174), CB_SETCURSEL, 0, 0);
    log_line.clear();
    SendMessageA(combo(174), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>("4,7"));
    report("selectstring_long_item", 174);
    prepare(174, "1,4 GB");
    choose_with_mouse(174, 1);
    report("mouse_choice_long_item", 174);
    char item[512] = {};
    SendMessageA(combo(174), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
    std::printf("item_kept [%s]\n", item);
    type_by_message(174, "i");
    report("type_after_long_choice", 174);
    choose_with_mouse(174, 0);
    report("mouse_choice_short_item", 174);
    // Keyboard choice (Down with the list closed).
    SendMessageA(combo(174), CB_SETCURSEL, 0, 0);
    SetFocus(edit_of(174));
    pump(50);
    log_line.clear();
    send_inputs({key(VK_DOWN, false), key(VK_DOWN, true)});
    report("down_key_long_item", 174);

    // A refused character after a list choice, and the next one.
    SendMessageA(combo(174), CB_RESETCONTENT, 0, 0);
    SendMessageA(combo(174), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("4,7 GB Rohling v "));
    SendMessageA(combo(174), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
    prepare(174, "");
    choose_with_mouse(174, 0);
    send_inputs({key(VK_END, false), key(VK_END, true)});
    log_line.clear();
    type_by_input("o");
    report("refused_after_choice", 174);
    type_by_input("o");
    report("refused_again", 174);
    // Real keys on a text wider than the field.
    prepare(174, long_text);
    send_inputs({key(VK_BACK, false), key(VK_BACK, true)});
    report("backspace_key_too_wide", 174);
    type_by_input("W");
    report("type_input_too_wide", 174);
    put_on_clipboard("12");
    prepare(174, long_text);
    SendMessageA(edit_of(174), WM_PASTE, 0, 0);
    report("paste_at_end_too_wide", 174);
    DestroyWindow(dialog);
    return 0;
}
