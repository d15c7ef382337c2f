// The Windows driver's side of driven_dialog.h: the real program (the same core,
// platform/win32, shell and resources as vidomat.exe) in this process, driven with real
// mouse and keyboard input (SendInput) and read from the real controls.
//
// An action is a list of steps. A thread timer runs them one per tick; a timer message
// comes only when no input or posted message is waiting, so each step finds the input of
// the one before handled. Ticks come inside every modal loop too (message box, About
// box, menu), which is where message boxes and the About box are answered with clicks
// on their buttons. The action is over at the first tick of the program's own loop with
// no step left and no such window open.
#include "tools/vidomat_script/driven_dialog.h"

#include "dialog/dialog_procedure.h"
#include "engine/calculator_state.h"
#include "platform/fault/fault_file_system.h"
#include "platform/win32/win32_platform.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "tools/vidomat_script/snapshot.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <functional>
#include <io.h>
#include <iostream>
#include <iterator>
#include <map>
#include <vector>

namespace {

// Snapshot lines are compared byte for byte: no CR before the line breaks.
[[maybe_unused]] const int binary_output = _setmode(_fileno(stdout), _O_BINARY);

constexpr UINT tick_milliseconds = 10;
constexpr DWORD action_time_limit = 20000;

bool running;
uint32_t last_exit_code;
bool next_answer_yes;
std::vector<DrivenMessageBox> messages;
uint32_t about_count;

// What the controls showed when the dialog was destroyed, for the snapshots after the end.
struct ControlView {
    std::string text;
    std::vector<std::string> items;
    int32_t selection = -1;
    bool checked = false;
};
std::map<uint32_t, ControlView> last_view;
std::map<uint32_t, bool> last_menu;
HHOOK destroy_hook;

using Step = std::function<bool()>; // true when it has done its part
std::deque<Step> steps;
bool action_over;
DWORD action_deadline;
UINT_PTR tick_timer;
// The tick being handled came straight from the program's own loop, not from inside a
// modal loop that some handler runs (where a window is about to show, or just closed).
bool tick_at_top_level;
HWND answered_box;
uint32_t ticks_since_answer;

// VIDOMAT_SCRIPT_TRACE=1 in the environment: what the driver does goes to standard error.
const bool tracing = std::getenv("VIDOMAT_SCRIPT_TRACE") != nullptr;

template <typename... Values> void trace(const char* format, Values... values) {
    if (tracing) {
        std::fprintf(stderr, "[%lu] ", static_cast<unsigned long>(GetTickCount()));
        std::fprintf(stderr, format, values...);
        std::fputc('\n', stderr);
    }
}

// --- The real controls ----------------------------------------------------------------

HWND dialog() {
    return win32_main_dialog();
}

HWND control(uint32_t id) {
    return GetDlgItem(dialog(), static_cast<int>(id));
}

bool dialog_alive() {
    return running && IsWindow(dialog()) != FALSE;
}

std::string window_text(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}

std::vector<std::string> list_items(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string item(static_cast<size_t>(length < 0 ? 0 : length) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item[0]));
        item.resize(std::char_traits<char>::length(item.c_str()));
        items.push_back(item);
    }
    return items;
}

bool menu_item_checked(uint32_t command) {
    return (GetMenuState(GetMenu(dialog()), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void remember_view() {
    for (const uint32_t id : all_combo_boxes) {
        ControlView& view = last_view[id];
        view.text = window_text(control(id));
        view.items = list_items(control(id));
        view.selection = static_cast<int32_t>(SendMessageA(control(id), CB_GETCURSEL, 0, 0));
    }
    for (const uint32_t id : checkable_buttons) {
        last_view[id].checked = IsDlgButtonChecked(dialog(), static_cast<int>(id)) == BST_CHECKED;
    }
    for (const uint32_t command : checked_menu_commands) {
        last_menu[command] = menu_item_checked(command);
    }
}

// The calculator dialog goes with the frame window at the close: what it shows then is
// what a snapshot shows afterwards.
LRESULT CALLBACK watch_destruction(int code, WPARAM word_parameter, LPARAM long_parameter) {
    if (code == HCBT_DESTROYWND && reinterpret_cast<HWND>(word_parameter) == dialog() && running) {
        remember_view();
    }
    return CallNextHookEx(destroy_hook, code, word_parameter, long_parameter);
}

void watch_message_box(const char* text, const char* caption, UINT style) {
    messages.push_back(DrivenMessageBox{caption, text, style});
}

void watch_about_box() {
    ++about_count;
}

// --- Input ----------------------------------------------------------------------------

INPUT key_input(WORD key, bool release) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A character typed as itself, whatever the keyboard layout.
INPUT character_input(wchar_t character, bool release) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(character);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (release ? KEYEVENTF_KEYUP : 0);
    return input;
}

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void press(WORD key) {
    send({key_input(key, false), key_input(key, true)});
}

// Keys pressed together: the first ones held while the last one is pressed.
void press_together(std::vector<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        inputs.push_back(key_input(key, false));
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        inputs.push_back(key_input(*key, true));
    }
    send(inputs);
}

void type_text(const std::string& text) {
    std::vector<INPUT> inputs;
    for (const char byte : text) {
        wchar_t character = 0;
        MultiByteToWideChar(1252, 0, &byte, 1, &character, 1);
        inputs.push_back(character_input(character, false));
        inputs.push_back(character_input(character, true));
    }
    send(inputs);
}

INPUT mouse_input(DWORD flags, POINT at) {
    // Absolute positions run from 0 to 65535 across the screen.
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (at.x * 65536 + width - 1) / width;
    input.mi.dy = (at.y * 65536 + height - 1) / height;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void click_at(POINT at) {
    send({mouse_input(0, at), mouse_input(MOUSEEVENTF_LEFTDOWN, at),
          mouse_input(MOUSEEVENTF_LEFTUP, at)});
}

POINT centre(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void click_window(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    click_at(centre(rect));
}

COMBOBOXINFO combo_info(uint32_t id) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(control(id), &info);
    return info;
}

// Into the edit part, right of where a short text ends.
void click_edit(uint32_t id) {
    RECT rect;
    GetWindowRect(combo_info(id).hwndItem, &rect);
    click_at(POINT{rect.right - 4, (rect.top + rect.bottom) / 2});
}

void click_arrow(uint32_t id) {
    const COMBOBOXINFO info = combo_info(id);
    POINT at = centre(info.rcButton);
    ClientToScreen(control(id), &at);
    click_at(at);
}

bool list_open(uint32_t id) {
    return SendMessageA(control(id), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

int32_t find_item(uint32_t id, const std::string& text) {
    const std::vector<std::string> items = list_items(control(id));
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

// Clicks the item in the open list; scrolls it into view first with the list's scroll
// bar arrows, one line a tick.
bool click_item(uint32_t id, int32_t index) {
    const HWND list = combo_info(id).hwndList;
    RECT item;
    RECT client;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    GetClientRect(list, &client);
    if (item.top < client.top || item.bottom > client.bottom) {
        RECT frame;
        GetWindowRect(list, &frame);
        const LONG arrow = GetSystemMetrics(SM_CYVSCROLL);
        const LONG x = frame.right - 1 - GetSystemMetrics(SM_CXVSCROLL) / 2;
        click_at(item.top < client.top ? POINT{x, frame.top + 1 + arrow / 2}
                                       : POINT{x, frame.bottom - 1 - arrow / 2});
        return false;
    }
    POINT at = centre(item);
    ClientToScreen(list, &at);
    click_at(at);
    return true;
}

// A point of the title bar where the close box is: the dialog itself says where.
POINT close_box() {
    RECT rect;
    GetWindowRect(dialog(), &rect);
    const LONG y =
        rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    LONG first = -1;
    LONG last = -1;
    for (LONG x = rect.right - 1; x > rect.left; --x) {
        const LRESULT hit = SendMessageA(dialog(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
        if (hit == HTCLOSE) {
            last = last < 0 ? x : last;
            first = x;
        } else if (last >= 0) {
            break;
        }
    }
    return POINT{(first + last) / 2, y};
}

// --- Running an action ----------------------------------------------------------------

struct OpenWindows {
    HWND box;  // a message box or the About box
    bool menu; // a menu is open
};

BOOL CALLBACK look_at_window(HWND window, LPARAM parameter) {
    OpenWindows& open = *reinterpret_cast<OpenWindows*>(parameter);
    char window_class[32] = {};
    GetClassNameA(window, window_class, sizeof window_class);
    if (IsWindowVisible(window) == FALSE || window == dialog()) {
        return TRUE;
    }
    if (lstrcmpA(window_class, "#32770") == 0) {
        open.box = window;
    } else if (lstrcmpA(window_class, "#32768") == 0) {
        open.menu = true;
    }
    return TRUE;
}

OpenWindows open_windows() {
    OpenWindows open = {nullptr, false};
    EnumThreadWindows(GetCurrentThreadId(), look_at_window, reinterpret_cast<LPARAM>(&open));
    return open;
}

HWND popup_menu() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            char window_class[32] = {};
            GetClassNameA(window, window_class, sizeof window_class);
            if (IsWindowVisible(window) != FALSE && lstrcmpA(window_class, "#32768") == 0) {
                *reinterpret_cast<HWND*>(parameter) = window;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A message box is answered with a click on OK, or on Yes or No as the script prepared;
// the About box with a click on its OK button. A click that did not close the box is
// made again after a while.
void answer(HWND box) {
    constexpr uint32_t patience = 50;
    if (box == answered_box && ++ticks_since_answer < patience) {
        return;
    }
    HWND button = GetDlgItem(box, IDYES);
    if (button != nullptr) {
        button = GetDlgItem(box, next_answer_yes ? IDYES : IDNO);
        next_answer_yes = false;
    } else {
        button = GetDlgItem(box, IDOK);
    }
    if (button == nullptr) {
        button = GetDlgItem(box, IDCANCEL);
    }
    answered_box = box;
    ticks_since_answer = 0;
    trace("answer box %p with button %d", static_cast<void*>(box), GetDlgCtrlID(button));
    click_window(button);
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    if (GetTickCount() - action_deadline < 0x80000000u) {
        std::fprintf(stderr, "vidomat-script: the program did not finish an action within %lu s\n",
                     static_cast<unsigned long>(action_time_limit / 1000));
        std::cout.flush();
        ExitProcess(3);
    }
    const OpenWindows open = open_windows();
    if (open.box != nullptr) {
        answer(open.box);
        return;
    }
    if (!steps.empty()) {
        trace("step (%u left)", static_cast<unsigned>(steps.size()));
        if (steps.front()()) {
            steps.pop_front();
        }
        return;
    }
    if (!open.menu && tick_at_top_level) {
        trace("action over");
        action_over = true;
    }
}

void begin_action() {
    action_over = false;
    action_deadline = GetTickCount() + action_time_limit;
    tick_timer = SetTimer(nullptr, 0, tick_milliseconds, tick);
}

// Runs the message loop of the program until the action is over or the program ended.
void finish_action() {
    action_over = false;
    MSG message;
    while (!action_over) {
        if (GetMessageA(&message, nullptr, 0, 0) == 0) {
            running = false;
            last_exit_code = static_cast<uint32_t>(message.wParam);
            UnhookWindowsHookEx(destroy_hook);
            break;
        }
        tick_at_top_level =
            message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == tick_timer;
        handle_application_message(&message);
        tick_at_top_level = false;
    }
    KillTimer(nullptr, tick_timer);
    steps.clear();
}

void run(std::deque<Step> action) {
    begin_action();
    steps = std::move(action);
    finish_action();
}

// A user reaches only enabled controls of a running program.
bool reachable(uint32_t id) {
    return dialog_alive() && IsWindowEnabled(control(id)) != FALSE;
}

Step step(std::function<void()> act) {
    return [act] {
        act();
        return true;
    };
}

// Clicks into the edit part, caret to the end of the text.
std::deque<Step> into_edit_at_end(uint32_t id) {
    return {step([id] { click_edit(id); }), step([] { press(VK_END); })};
}

std::deque<Step> then(std::deque<Step> first, std::deque<Step> second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void put_on_clipboard(const std::string& text) {
    if (OpenClipboard(dialog()) == FALSE) {
        return;
    }
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory != nullptr) {
        char* const bytes = static_cast<char*>(GlobalLock(memory));
        std::copy(text.begin(), text.end(), bytes);
        bytes[text.size()] = '\0';
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
    }
    CloseClipboard();
}

} // namespace

// --- The program ----------------------------------------------------------------------

void driven_start() {
    static bool watching = false;
    if (!watching) {
        win32_platform_watch(Win32Watcher{watch_message_box, watch_about_box});
        fault_file_system_wrap();
        watching = true;
    }
    fault_close_files(); // whatever an earlier run left open ends with it
    last_view.clear();
    last_menu.clear();
    // Message boxes of the start (a settings file that cannot be read) are answered by
    // the ticks inside their own loops.
    begin_action();
    destroy_hook = SetWindowsHookExA(WH_CBT, watch_destruction, nullptr, GetCurrentThreadId());
    running = open_application(GetModuleHandleA(nullptr)) && start_calculator();
    if (running) {
        finish_action();
    } else {
        KillTimer(nullptr, tick_timer);
        UnhookWindowsHookEx(destroy_hook);
    }
}

bool driven_running() {
    return running;
}

uint32_t driven_exit_code() {
    return last_exit_code;
}

void driven_answer_next_yes_no(bool yes) {
    next_answer_yes = yes;
}

// --- What the user does ---------------------------------------------------------------

void driven_focus(uint32_t id) {
    if (reachable(id)) {
        run({step([id] { click_edit(id); })});
    }
}

void driven_type(uint32_t id, const std::string& text) {
    if (reachable(id)) {
        run(then(into_edit_at_end(id), {step([text] { type_text(text); })}));
    }
}

void driven_backspace(uint32_t id, uint32_t count) {
    if (reachable(id)) {
        run(then(into_edit_at_end(id), {step([count] {
                     for (uint32_t i = 0; i < count; ++i) {
                         press(VK_BACK);
                     }
                 })}));
    }
}

// The whole text selected: Shift+Home from its end (Ctrl+A selects nothing in an edit
// field of this age).
std::deque<Step> select_all(uint32_t id) {
    return then(into_edit_at_end(id), {step([] { press_together({VK_SHIFT, VK_HOME}); })});
}

void driven_replace(uint32_t id, const std::string& text) {
    if (reachable(id)) {
        run(then(select_all(id), {step([text] {
                     if (text.empty()) {
                         press(VK_DELETE);
                     } else {
                         type_text(text);
                     }
                 })}));
    }
}

void driven_paste(uint32_t id, const std::string& text) {
    if (reachable(id)) {
        run(then(select_all(id), {step([text] {
                     put_on_clipboard(text);
                     press_together({VK_CONTROL, 'V'});
                 })}));
    }
}

bool driven_choose(uint32_t id, const std::string& text) {
    if (!running || find_item(id, text) < 0) {
        return false;
    }
    if (!reachable(id)) {
        return true;
    }
    run({step([id] { click_arrow(id); }), [id, text] {
             if (!list_open(id)) {
                 return false;
             }
             const int32_t index = find_item(id, text);
             if (index < 0) {
                 click_arrow(id); // the item went when the list opened: closed unchosen
                 return true;
             }
             return click_item(id, index);
         }});
    return true;
}

void driven_dropdown(uint32_t id) {
    if (reachable(id)) {
        run({step([id] { click_arrow(id); }), [id] {
                 if (!list_open(id)) {
                     return false;
                 }
                 click_arrow(id);
                 return true;
             }});
    }
}

void driven_click(uint32_t id) {
    if (reachable(id)) {
        run({step([id] { click_window(control(id)); })});
    }
}

void driven_menu(uint32_t command) {
    if (!dialog_alive()) {
        return;
    }
    const HMENU bar = GetMenu(dialog());
    for (int popup = 0; popup < GetMenuItemCount(bar); ++popup) {
        const HMENU items = GetSubMenu(bar, popup);
        for (int item = 0; item < GetMenuItemCount(items); ++item) {
            if (GetMenuItemID(items, item) != command) {
                continue;
            }
            run({step([bar, popup] {
                     RECT rect;
                     GetMenuItemRect(dialog(), bar, static_cast<UINT>(popup), &rect);
                     click_at(centre(rect));
                 }),
                 [items, item] {
                     const HWND menu_window = popup_menu();
                     if (menu_window == nullptr) {
                         return false;
                     }
                     RECT rect;
                     GetMenuItemRect(menu_window, items, static_cast<UINT>(item), &rect);
                     click_at(centre(rect));
                     return true;
                 }});
            return;
        }
    }
}

void driven_key_enter() {
    if (dialog_alive()) {
        run({step([] { press(VK_RETURN); })});
    }
}

void driven_key_escape() {
    if (dialog_alive()) {
        run({step([] { press(VK_ESCAPE); })});
    }
}

void driven_key_about(char key) {
    if (dialog_alive()) {
        // The key as this keyboard layout makes it: "?" needs Shift on most.
        const SHORT scan = VkKeyScanA(key);
        std::vector<WORD> keys = {VK_MENU};
        if ((scan & 0x100) != 0) {
            keys.push_back(VK_SHIFT);
        }
        keys.push_back(static_cast<WORD>(scan & 0xFF));
        run({step([keys] { press_together(keys); })});
    }
}

void driven_close_box() {
    if (dialog_alive()) {
        run({step([] { click_at(close_box()); })});
    }
}

// --- What the user sees ---------------------------------------------------------------

std::string driven_field_text(uint32_t id) {
    return dialog_alive() ? window_text(control(id)) : last_view[id].text;
}

uint32_t driven_list_count(uint32_t id) {
    return static_cast<uint32_t>(dialog_alive() ? list_items(control(id)).size()
                                                : last_view[id].items.size());
}

std::string driven_list_item(uint32_t id, uint32_t index) {
    const std::vector<std::string> items =
        dialog_alive() ? list_items(control(id)) : last_view[id].items;
    return index < items.size() ? items[index] : "";
}

int32_t driven_selection(uint32_t id) {
    return dialog_alive() ? static_cast<int32_t>(SendMessageA(control(id), CB_GETCURSEL, 0, 0))
                          : last_view[id].selection;
}

bool driven_checked(uint32_t id) {
    return dialog_alive() ? IsDlgButtonChecked(dialog(), static_cast<int>(id)) == BST_CHECKED
                          : last_view[id].checked;
}

bool driven_menu_checked(uint32_t command) {
    return dialog_alive() ? menu_item_checked(command) : last_menu[command];
}

uint32_t driven_focus_owner() {
    const HWND focus = GetFocus();
    if (!dialog_alive() || focus == nullptr) {
        return driven_no_focus;
    }
    // The edit part of a combo box stands for the combo box.
    const HWND parent = GetParent(focus);
    const HWND owner = parent == dialog() ? focus : parent;
    return GetParent(owner) == dialog() ? static_cast<uint32_t>(GetDlgCtrlID(owner))
                                        : driven_no_focus;
}

uint32_t driven_message_count() {
    return static_cast<uint32_t>(messages.size());
}

DrivenMessageBox driven_message(uint32_t index) {
    return messages.at(index);
}

uint32_t driven_about_count() {
    return about_count;
}
