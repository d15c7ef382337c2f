// Writes the resource script of the calculator dialog 130, its menu 109 and its
// accelerator table 109 from the one description in shell/dialog_layout.cpp, so that the
// Windows resources and the in-memory dialog can never drift apart.
//
// Usage: write_dialog_resource OUTPUT.rc
// The output is Windows-1252 like the layout's texts; the including script sets the code
// page and the language.
#include "shell/dialog_layout.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Stored flag bits of an accelerator entry.
constexpr uint8_t accelerator_virtual_key = 0x01;
constexpr uint8_t accelerator_no_invert = 0x02;
constexpr uint8_t accelerator_shift = 0x04;
constexpr uint8_t accelerator_control = 0x08;
constexpr uint8_t accelerator_alt = 0x10;
constexpr uint8_t accelerator_last = 0x80;
constexpr uint8_t accelerator_known = accelerator_virtual_key | accelerator_no_invert |
                                      accelerator_shift | accelerator_control | accelerator_alt |
                                      accelerator_last;

std::string hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

// A resource-script string literal. The compiler reads backslash escapes and a doubled
// quote; every other byte stands for itself in the script's code page.
std::string quoted(const char* text) {
    std::string result = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '"') {
            result += "\"\"";
        } else if (*c == '\\') {
            result += "\\\\";
        } else {
            result += *c;
        }
    }
    return result + "\"";
}

// Predefined window classes are written as their ordinals, as the template stores them.
const char* class_ordinal(ControlClass control_class) {
    switch (control_class) {
    case class_button:
        return "0x0080";
    case class_static:
        return "0x0082";
    case class_combo_box:
        return "0x0085";
    }
    return nullptr;
}

bool write_dialog(std::ostream& out, const DialogLayout& dialog) {
    out << dialog.id << " DIALOGEX " << dialog.x << ", " << dialog.y << ", " << dialog.width << ", "
        << dialog.height << "\n"
        << "STYLE " << hex(dialog.style) << "\n"
        << "EXSTYLE " << hex(dialog.extended_style) << "\n"
        << "CAPTION " << quoted(dialog.caption) << "\n"
        << "MENU " << dialog.menu_id
        << "\n"
        // Default weight, not italic, default character set.
        << "FONT " << dialog.point_size << ", " << quoted(dialog.font) << ", 0, 0, 1\n"
        << "BEGIN\n";
    for (uint32_t i = 0; i < dialog.control_count; ++i) {
        const ControlLayout& control = dialog.controls[i];
        const char* const window_class = class_ordinal(control.control_class);
        if (window_class == nullptr) {
            std::cerr << "control " << control.id << ": unknown class\n";
            return false;
        }
        out << "    CONTROL " << quoted(control.caption) << ", " << control.id << ", "
            << window_class << ", " << hex(control.style) << ", " << control.x << ", " << control.y
            << ", " << control.width << ", " << control.height << ", "
            << hex(control.extended_style) << "\n";
    }
    out << "END\n";
    return true;
}

// The menu bar entries in the order they first appear, each with its items.
void write_menu(std::ostream& out, uint32_t menu_id) {
    out << menu_id << " MENU\nBEGIN\n";
    for (uint32_t i = 0; i < calculator_menu_count; ++i) {
        const char* const popup = calculator_menu[i].popup;
        bool seen = false;
        for (uint32_t j = 0; j < i; ++j) {
            seen = seen || std::strcmp(calculator_menu[j].popup, popup) == 0;
        }
        if (seen) {
            continue;
        }
        out << "    POPUP " << quoted(popup) << "\n    BEGIN\n";
        for (uint32_t j = i; j < calculator_menu_count; ++j) {
            if (std::strcmp(calculator_menu[j].popup, popup) == 0) {
                out << "        MENUITEM " << quoted(calculator_menu[j].caption) << ", "
                    << calculator_menu[j].command << "\n";
            }
        }
        out << "    END\n";
    }
    out << "END\n";
}

// The compiler sets the end mark on the last entry itself; the table must carry it
// there and nowhere else, or the compiled table would differ from it.
bool write_accelerators(std::ostream& out, uint32_t table_id) {
    out << table_id << " ACCELERATORS\nBEGIN\n";
    for (uint32_t i = 0; i < calculator_accelerator_count; ++i) {
        const AcceleratorLayout& entry = calculator_accelerators[i];
        const bool last = i + 1 == calculator_accelerator_count;
        if ((entry.flags & ~accelerator_known) != 0 ||
            ((entry.flags & accelerator_last) != 0) != last) {
            std::cerr << "accelerator " << i << ": flags " << hex(entry.flags)
                      << " cannot be compiled as they stand\n";
            return false;
        }
        out << "    " << entry.key << ", " << entry.command << ", "
            << ((entry.flags & accelerator_virtual_key) != 0 ? "VIRTKEY" : "ASCII");
        if ((entry.flags & accelerator_shift) != 0) {
            out << ", SHIFT";
        }
        if ((entry.flags & accelerator_control) != 0) {
            out << ", CONTROL";
        }
        if ((entry.flags & accelerator_alt) != 0) {
            out << ", ALT";
        }
        if ((entry.flags & accelerator_no_invert) != 0) {
            out << ", NOINVERT";
        }
        out << "\n";
    }
    out << "END\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_dialog_resource OUTPUT.rc\n";
        return 2;
    }
    std::ostringstream script;
    script << "// Written by write_dialog_resource from shell/dialog_layout.cpp.\n\n";
    if (!write_dialog(script, calculator_dialog)) {
        return 1;
    }
    script << "\n";
    write_menu(script, calculator_dialog.menu_id);
    script << "\n";
    // The accelerator table has the number of the menu it serves.
    if (!write_accelerators(script, calculator_dialog.menu_id)) {
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << script.str();
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
