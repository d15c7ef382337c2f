// Reads the compiled resources of the Windows program (the .res file that is linked into
// vidomat.exe, named by the environment variable VIDOMAT_RESOURCE_FILE) and checks them
// byte for byte: dialog 130 against the layout table, and the About box, menu,
// accelerators, strings and icons against what the program needs.
#include "shell/dialog_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr uint16_t type_icon = 3;
constexpr uint16_t type_menu = 4;
constexpr uint16_t type_dialog = 5;
constexpr uint16_t type_string = 6;
constexpr uint16_t type_accelerator = 9;
constexpr uint16_t type_group_icon = 14;
constexpr uint16_t german_germany = 0x0407;

using Bytes = std::vector<uint8_t>;

// A little-endian reader over one resource's data.
class Reader {
  public:
    explicit Reader(const Bytes& data) : data_(data) {}
    uint16_t word() {
        need(2);
        const uint16_t value = static_cast<uint16_t>(data_[at_] | data_[at_ + 1] << 8);
        at_ += 2;
        return value;
    }
    uint32_t dword() {
        const uint32_t low = word();
        return low | static_cast<uint32_t>(word()) << 16;
    }
    int16_t short_value() {
        return static_cast<int16_t>(word());
    }
    uint8_t byte() {
        need(1);
        return data_[at_++];
    }
    // A zero-terminated UTF-16 text.
    std::u16string text() {
        std::u16string value;
        for (uint16_t c = word(); c != 0; c = word()) {
            value += static_cast<char16_t>(c);
        }
        return value;
    }
    // A text, or 0xFFFF and an ordinal (returned as "#<number>").
    std::u16string text_or_ordinal() {
        const size_t start = at_;
        if (word() == 0xFFFF) {
            const std::string number = "#" + std::to_string(word());
            return std::u16string(number.begin(), number.end());
        }
        at_ = start;
        return text();
    }
    void align(size_t boundary) {
        at_ = (at_ + boundary - 1) / boundary * boundary;
    }
    size_t position() const {
        return at_;
    }
    bool at_end() const {
        return at_ >= data_.size();
    }

  private:
    void need(size_t count) {
        if (at_ + count > data_.size()) {
            throw std::out_of_range("resource data ends early");
        }
    }
    const Bytes& data_;
    size_t at_ = 0;
};

struct Resource {
    uint16_t language;
    Bytes data;
};

// Key: type ordinal and name ordinal (every resource of the program is numbered).
using Resources = std::map<std::pair<uint16_t, uint16_t>, Resource>;

Resources read_resource_file() {
    const char* const name = std::getenv("VIDOMAT_RESOURCE_FILE");
    if (name == nullptr) {
        throw std::runtime_error("VIDOMAT_RESOURCE_FILE is not set");
    }
    std::ifstream in(name, std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.empty()) {
        throw std::runtime_error(std::string("cannot read ") + name);
    }
    Resources resources;
    Reader reader(file);
    while (!reader.at_end()) {
        const size_t start = reader.position();
        const uint32_t data_size = reader.dword();
        const uint32_t header_size = reader.dword();
        const std::u16string type = reader.text_or_ordinal();
        const std::u16string id = reader.text_or_ordinal();
        reader.align(4);
        reader.dword(); // data version
        reader.word();  // memory flags
        const uint16_t language = reader.word();
        const size_t data_start = start + header_size;
        if (data_size != 0) { // the file begins with an empty entry
            if (type[0] != u'#' || id[0] != u'#') {
                throw std::runtime_error("a resource without a number");
            }
            const auto number = [](const std::u16string& text) {
                return static_cast<uint16_t>(std::stoi(std::string(text.begin() + 1, text.end())));
            };
            Resource& resource = resources[{number(type), number(id)}];
            resource.language = language;
            resource.data.assign(file.begin() + static_cast<long>(data_start),
                                 file.begin() + static_cast<long>(data_start + data_size));
        }
        while (reader.position() < data_start + data_size) {
            reader.byte();
        }
        reader.align(4);
    }
    return resources;
}

const Resources& resources() {
    static const Resources all = read_resource_file();
    return all;
}

const Bytes& data_of(uint16_t type, uint16_t id) {
    const auto found = resources().find({type, id});
    if (found == resources().end()) {
        throw std::runtime_error("resource " + std::to_string(type) + "/" + std::to_string(id) +
                                 " is missing");
    }
    return found->second.data;
}

// The layout's texts are Windows-1252; the compiled templates hold UTF-16.
std::u16string from_windows_1252(const char* text) {
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::u16string result;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c != 0; ++c) {
        result += *c >= 0x80 && *c < 0xA0 ? high[*c - 0x80] : static_cast<char16_t>(*c);
    }
    return result;
}

std::u16string ordinal(uint16_t number) {
    const std::string text = "#" + std::to_string(number);
    return std::u16string(text.begin(), text.end());
}

const char16_t* class_ordinal(ControlClass control_class) {
    switch (control_class) {
    case class_button:
        return u"#128";
    case class_static:
        return u"#130";
    case class_combo_box:
        return u"#133";
    }
    return u"?";
}

} // namespace

TEST(ResourceFile, HoldsExactlyTheProgramsResourcesAllInGerman) {
    std::vector<std::pair<uint16_t, uint16_t>> keys;
    for (const auto& entry : resources()) {
        keys.push_back(entry.first);
        EXPECT_EQ(entry.second.language, german_germany)
            << "type " << entry.first.first << " id " << entry.first.second;
    }
    // Icon images are numbered by the compiler; their groups carry the program's numbers.
    const std::vector<std::pair<uint16_t, uint16_t>> expected = {
        {type_icon, 1},          {type_icon, 2},         {type_menu, 109},
        {type_dialog, 103},      {type_dialog, 130},     {type_string, 7},
        {type_accelerator, 109}, {type_group_icon, 107}, {type_group_icon, 108}};
    EXPECT_EQ(keys, expected);
}

TEST(ResourceFile, CalculatorDialogIsTheLayoutTable) {
    Reader dialog(data_of(type_dialog, 130));
    EXPECT_EQ(dialog.word(), 1u);      // extended template, version 1
    EXPECT_EQ(dialog.word(), 0xFFFFu); // its signature
    EXPECT_EQ(dialog.dword(), 0u);     // help id
    EXPECT_EQ(dialog.dword(), 0x00020000u);
    EXPECT_EQ(dialog.dword(), 0x00CA0060u);
    const DialogLayout& layout = calculator_dialog;
    EXPECT_EQ(dialog.word(), layout.control_count);
    EXPECT_EQ(dialog.short_value(), 0);
    EXPECT_EQ(dialog.short_value(), 0);
    EXPECT_EQ(dialog.short_value(), 257);
    EXPECT_EQ(dialog.short_value(), 238);
    EXPECT_EQ(dialog.text_or_ordinal(), u"#109"); // menu
    EXPECT_EQ(dialog.text_or_ordinal(), u"");     // the dialog manager's own class
    EXPECT_EQ(dialog.text(), u"Berechnung von Video-Datenraten");
    EXPECT_EQ(dialog.word(), 8u); // points
    EXPECT_EQ(dialog.word(), 0u); // default weight
    EXPECT_EQ(dialog.byte(), 0u); // not italic
    EXPECT_EQ(dialog.byte(), 1u); // DEFAULT_CHARSET
    EXPECT_EQ(dialog.text(), u"MS Sans Serif");

    for (uint32_t i = 0; i < layout.control_count; ++i) {
        const ControlLayout& control = layout.controls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", id " + std::to_string(control.id));
        dialog.align(4);
        EXPECT_EQ(dialog.dword(), 0u); // help id
        EXPECT_EQ(dialog.dword(), control.extended_style);
        EXPECT_EQ(dialog.dword(), control.style);
        EXPECT_EQ(dialog.short_value(), control.x);
        EXPECT_EQ(dialog.short_value(), control.y);
        EXPECT_EQ(dialog.short_value(), control.width);
        EXPECT_EQ(dialog.short_value(), control.height);
        EXPECT_EQ(static_cast<int32_t>(dialog.dword()), control.id);
        EXPECT_EQ(dialog.text_or_ordinal(), class_ordinal(control.control_class));
        EXPECT_EQ(dialog.text_or_ordinal(), from_windows_1252(control.caption));
        EXPECT_EQ(dialog.word(), 0u); // no creation data
    }
    EXPECT_TRUE(dialog.at_end());
}

TEST(ResourceFile, AboutBoxIsAClassicTemplate) {
    Reader dialog(data_of(type_dialog, 103));
    EXPECT_EQ(dialog.dword(), 0x00C800C0u);
    EXPECT_EQ(dialog.dword(), 0u);
    EXPECT_EQ(dialog.word(), 4u);
    EXPECT_EQ(dialog.short_value(), 22);
    EXPECT_EQ(dialog.short_value(), 17);
    EXPECT_EQ(dialog.short_value(), 203);
    EXPECT_EQ(dialog.short_value(), 69);
    EXPECT_EQ(dialog.text_or_ordinal(), u""); // no menu
    EXPECT_EQ(dialog.text_or_ordinal(), u""); // no class
    EXPECT_EQ(dialog.text(), u"Info");
    EXPECT_EQ(dialog.word(), 8u);
    EXPECT_EQ(dialog.text(), u"System");

    struct Item {
        uint32_t style;
        int16_t x, y, width, height;
        uint16_t id;
        const char16_t* window_class;
        std::u16string text;
    };
    const Item items[] = {
        {0x50000003, 7, 22, 20, 20, 2, u"#130", ordinal(107)},
        {0x50020080, 34, 5, 114, 8, 0xFFFF, u"#130", u"Vidomat Version 0.1"},
        {0x50020000, 34, 16, 114, 8, 0xFFFF, u"#130", u"10.03.2006"},
        {0x50030001, 166, 5, 30, 11, 1, u"#128", u"OK"},
    };
    for (const Item& item : items) {
        SCOPED_TRACE("item id " + std::to_string(item.id));
        dialog.align(4);
        EXPECT_EQ(dialog.dword(), item.style);
        EXPECT_EQ(dialog.dword(), 0u);
        EXPECT_EQ(dialog.short_value(), item.x);
        EXPECT_EQ(dialog.short_value(), item.y);
        EXPECT_EQ(dialog.short_value(), item.width);
        EXPECT_EQ(dialog.short_value(), item.height);
        EXPECT_EQ(dialog.word(), item.id);
        EXPECT_EQ(dialog.text_or_ordinal(), item.window_class);
        EXPECT_EQ(dialog.text_or_ordinal(), item.text);
        EXPECT_EQ(dialog.word(), 0u);
    }
    EXPECT_TRUE(dialog.at_end());
}

TEST(ResourceFile, MenuHasThreePopupsWithTheirCommandsNothingCheckedOrGrey) {
    constexpr uint16_t popup = 0x10;
    constexpr uint16_t end = 0x80;
    Reader menu(data_of(type_menu, 109));
    EXPECT_EQ(menu.word(), 0u); // classic menu template
    EXPECT_EQ(menu.word(), 0u);
    struct Expected {
        const char16_t* popup;
        std::vector<std::pair<std::u16string, uint16_t>> items;
    };
    const Expected expected[] = {
        {u"&Datei", {{u"&Beenden", 105}}},
        {u"&Hilfe", {{u"&Info...", 104}}},
        {u"&Optionen", {{u"&Einstellungen merken", 32771}, {u"&Werte merken", 32772}}},
    };
    for (size_t p = 0; p < std::size(expected); ++p) {
        const bool last_popup = p + 1 == std::size(expected);
        EXPECT_EQ(menu.word(), popup | (last_popup ? end : 0));
        EXPECT_EQ(menu.text(), expected[p].popup);
        for (size_t i = 0; i < expected[p].items.size(); ++i) {
            const bool last_item = i + 1 == expected[p].items.size();
            EXPECT_EQ(menu.word(), last_item ? end : 0u); // MF_STRING, not checked, not grey
            EXPECT_EQ(menu.word(), expected[p].items[i].second);
            EXPECT_EQ(menu.text(), expected[p].items[i].first);
        }
    }
    EXPECT_TRUE(menu.at_end());
}

TEST(ResourceFile, AcceleratorTableBytes) {
    // Per entry: flags, key, command (words), padding. Alt+"/" and Alt+"?" as characters
    // (FALT | FNOINVERT), Escape and Enter as virtual keys (FVIRTKEY | FNOINVERT), the
    // last one with the end mark.
    const Bytes expected = {0x12, 0, 0x2F, 0, 104,  0,    0, 0, 0x12, 0, 0x3F, 0, 104,  0,    0, 0,
                            0x03, 0, 0x1B, 0, 0x06, 0x80, 0, 0, 0x83, 0, 0x0D, 0, 0x05, 0x80, 0, 0};
    EXPECT_EQ(data_of(type_accelerator, 109), expected);
}

TEST(ResourceFile, StringsTitleAndClassName) {
    // Block 7 holds the strings 96 to 111, each as a length and UTF-16 characters.
    Reader block(data_of(type_string, 7));
    std::map<uint16_t, std::u16string> strings;
    for (uint16_t id = 96; id < 112; ++id) {
        const uint16_t length = block.word();
        for (uint16_t i = 0; i < length; ++i) {
            strings[id] += static_cast<char16_t>(block.word());
        }
    }
    EXPECT_TRUE(block.at_end());
    const std::map<uint16_t, std::u16string> expected = {{103, u"vidomat"}, {109, u"VIDOMAT"}};
    for (const auto& entry : strings) {
        const auto wanted = expected.find(entry.first);
        EXPECT_EQ(entry.second, wanted == expected.end() ? u"" : wanted->second)
            << "string " << entry.first;
    }
}

TEST(ResourceFile, IconsHoldOneSixteenColourImageEach) {
    const struct {
        uint16_t group;
        uint8_t size;
    } icons[] = {{107, 32}, {108, 16}};
    for (const auto& icon : icons) {
        SCOPED_TRACE("icon " + std::to_string(icon.group));
        Reader group(data_of(type_group_icon, icon.group));
        EXPECT_EQ(group.word(), 0u);
        EXPECT_EQ(group.word(), 1u); // an icon
        ASSERT_EQ(group.word(), 1u); // one image
        EXPECT_EQ(group.byte(), icon.size);
        EXPECT_EQ(group.byte(), icon.size);
        EXPECT_EQ(group.byte(), 16u); // colours
        EXPECT_EQ(group.byte(), 0u);
        EXPECT_EQ(group.word(), 1u); // planes
        EXPECT_EQ(group.word(), 4u); // bits per pixel
        const uint32_t image_size = group.dword();
        const uint16_t image_id = group.word();

        const Bytes& image = data_of(type_icon, image_id);
        EXPECT_EQ(image.size(), image_size);
        Reader header(image);
        EXPECT_EQ(header.dword(), 40u);
        EXPECT_EQ(header.dword(), icon.size);
        EXPECT_EQ(header.dword(), icon.size * 2u); // colour part and mask
        EXPECT_EQ(header.word(), 1u);
        EXPECT_EQ(header.word(), 4u);
        EXPECT_EQ(header.dword(), 0u); // uncompressed
        const uint32_t colour_row = (icon.size / 2u + 3u) / 4u * 4u;
        const uint32_t mask_row = 4;
        EXPECT_EQ(image.size(), 40u + 16u * 4u + icon.size * (colour_row + mask_row));

        // A picture, not an empty square: several colours, and both opaque and
        // transparent pixels.
        std::map<uint8_t, int> colours;
        for (uint32_t i = 0; i < icon.size * colour_row; ++i) {
            const uint8_t pair = image[40 + 64 + i];
            ++colours[pair >> 4];
            ++colours[pair & 0xF];
        }
        EXPECT_GE(colours.size(), 5u);
        int transparent = 0;
        for (uint32_t row = 0; row < icon.size; ++row) {
            for (uint32_t x = 0; x < icon.size; ++x) {
                const uint8_t mask =
                    image[40 + 64 + icon.size * colour_row + row * mask_row + x / 8];
                transparent += (mask >> (7 - x % 8)) & 1;
            }
        }
        EXPECT_GT(transparent, icon.size * icon.size / 8);
        EXPECT_LT(transparent, icon.size * icon.size * 3 / 4);
    }
}
