// Fuzz target: vidomat-calc's command line. The input becomes an argument vector of
// options (alone or with "=value"), words the options take (formats, media, units),
// numbers with spaces, commas, points and colons, and texts of any bytes; the tool runs
// on it in-process, its report and errors written to memory. Every run ends with one of
// the documented statuses; a result (0 or 1) prints a report and no error, with --json
// one line holding one JSON object; an error prints one message and no report.
// A --settings value names a file in a folder of the fuzzer's own, made from the value:
// a record (the magic and the value's bytes, filled up with zeros), the bytes alone, no
// file, or the folder.
#include "tools/vidomat_calc/calc_options.h"
#include "tools/vidomat_calc/calc_run.h"
#include "tools/vidomat_calc/calc_status.h"

#include "engine/calculator_state.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/read_back_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr uint32_t max_arguments = 24;

const char* const option_names[] = {
    "--format",  "--medium",  "--max-size", "--frames",     "--time",        "--audio",
    "--reserve", "--margin",  "--video",    "--video-unit", "--result-unit", "--settings",
    "--json",    "--explain", "--help",     "--version",    "--audio",       "--audio",
    "-",         "--",        "--jso",      "-h",           "--json=1",      "--help="};

const char* const words[] = {"dvd",
                             "frei",
                             "DVD",
                             "VCD",
                             "SVCD",
                             "4,7 GB",
                             "8,5 GB",
                             "700 MB / 80 Min.",
                             "13 GB",
                             "650 MB / 74 Min.",
                             "B",
                             "KB",
                             "MB",
                             "GB",
                             "b",
                             "Kb",
                             "Mb",
                             "Gb",
                             "kb",
                             "mB",
                             "",
                             " ",
                             "1:30:00",
                             "0:0:0",
                             "99:59:59",
                             "0",
                             "11",
                             "12",
                             "4294967295",
                             "4294967296",
                             "18446744073709551615",
                             "18446744073709551616",
                             "99,999999",
                             "100",
                             "0,09",
                             "224000",
                             "4 703 000 000",
                             "218,75",
                             "Gr\xc3\xb6\xc3\x9f", // "Größ", in UTF-8
                             "\xe4",
                             "\xe2\x80\x9e",
                             "\"",
                             "\\",
                             "\n",
                             "\t"};

const char number_characters[] = "01234567890123456789012345678901234567890 ,.:-+";

template <size_t count> const char* pick(FuzzInput& input, const char* const (&items)[count]) {
    return items[input.byte() % count];
}

std::string number_text(FuzzInput& input) {
    std::string text;
    const uint32_t length = input.byte() % 24;
    for (uint32_t i = 0; i < length && !input.empty(); ++i) {
        text += number_characters[input.byte() % (sizeof number_characters - 1)];
    }
    return text;
}

std::string raw_text(FuzzInput& input) {
    char buffer[48];
    const size_t length = input.text(buffer, sizeof buffer);
    return std::string(buffer, length);
}

std::string value_text(FuzzInput& input) {
    switch (input.byte() % 4) {
    case 0:
        return pick(input, words);
    case 1:
        return number_text(input);
    case 2: {
        std::string text = number_text(input);
        const uint8_t spacing = input.byte();
        return text + ((spacing & 1) != 0 ? " " : "") + pick(input, words);
    }
    default:
        return raw_text(input);
    }
}

std::string argument(FuzzInput& input) {
    switch (input.byte() % 4) {
    case 0:
    case 1:
        return pick(input, option_names);
    case 2:
        return std::string(pick(input, option_names)) + "=" + value_text(input);
    default:
        return value_text(input);
    }
}

// The fuzzer's folder, made at the first use and holding at most the one settings file;
// it goes when the fuzzer ends. A plain array, so that it outlives every exit handler.
char folder_path[256];

void remove_folder() {
    std::remove((std::string(folder_path) + "/Vidomat.ini").c_str());
    rmdir(folder_path);
}

std::string folder() {
    if (folder_path[0] == '\0') {
        const char* const temporary = std::getenv("TMPDIR");
        std::snprintf(folder_path, sizeof folder_path, "%s/vidomat-calc-fuzz-XXXXXX",
                      temporary != nullptr && *temporary != '\0' ? temporary : "/tmp");
        require(mkdtemp(folder_path) != nullptr);
        std::atexit(remove_folder);
    }
    return folder_path;
}

// The path that stands for a --settings value, with the file made as the value says.
std::string settings_path(const std::string& value) {
    const std::string file = folder() + "/Vidomat.ini";
    std::remove(file.c_str());
    const uint8_t kind = value.empty() ? 1 : static_cast<uint8_t>(value[0]) % 4;
    if (kind == 2) {
        return file;
    }
    if (kind == 3) {
        return folder();
    }
    std::string bytes = kind == 0 ? std::string("\x55\x44\x33\x22", 4) : "";
    if (!value.empty()) {
        bytes.append(value, 1, std::string::npos);
    }
    if (kind == 0 && bytes.size() < settings_record_size) {
        bytes.resize(settings_record_size, '\0'); // a whole record, its rest zero
    }
    std::FILE* const stream = std::fopen(file.c_str(), "wb");
    require(stream != nullptr);
    require(std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size());
    require(std::fclose(stream) == 0);
    return file;
}

// Every value the tool would take as the settings file's name names the fuzzer's file.
void redirect_settings(std::vector<std::string>& arguments) {
    for (size_t i = 1; i < arguments.size(); ++i) {
        std::string& argument = arguments[i];
        if (argument.compare(0, 11, "--settings=") == 0) {
            argument = "--settings=" + settings_path(argument.substr(11));
        } else if (argument == "--settings" && i + 1 < arguments.size()) {
            arguments[i + 1] = settings_path(arguments[i + 1]);
        }
    }
}

// What a stream written to memory holds.
class MemoryStream {
  public:
    MemoryStream() : stream_(open_memstream(&data_, &size_)) {
        require(stream_ != nullptr);
    }
    ~MemoryStream() {
        std::free(data_);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::FILE* stream() {
        return stream_;
    }
    std::string close() {
        require(std::fclose(stream_) == 0);
        return std::string(data_, size_);
    }

  private:
    char* data_ = nullptr;
    size_t size_ = 0;
    std::FILE* stream_;
};

bool valid_utf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const uint8_t lead = static_cast<uint8_t>(text[i]);
        const size_t length = lead < 0x80                   ? 1
                              : lead >= 0xC2 && lead < 0xE0 ? 2
                              : lead >= 0xE0 && lead < 0xF0 ? 3
                              : lead >= 0xF0 && lead < 0xF5 ? 4
                                                            : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// A JSON reader that only says whether the text is one value and nothing else.
class JsonCheck {
  public:
    explicit JsonCheck(const std::string& text) : text_(text) {}

    bool one_object() {
        skip_space();
        if (peek() != '{' || !value()) {
            return false;
        }
        skip_space();
        return position_ == text_.size();
    }

  private:
    char peek() const {
        return position_ < text_.size() ? text_[position_] : '\0';
    }
    void skip_space() {
        while (peek() == ' ' || peek() == '\n' || peek() == '\t' || peek() == '\r') {
            ++position_;
        }
    }
    bool literal(const char* word) {
        const size_t length = std::strlen(word);
        if (text_.compare(position_, length, word) != 0) {
            return false;
        }
        position_ += length;
        return true;
    }
    bool string() {
        if (peek() != '"') {
            return false;
        }
        for (++position_; position_ < text_.size(); ++position_) {
            const uint8_t c = static_cast<uint8_t>(text_[position_]);
            if (c == '"') {
                ++position_;
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c == '\\') {
                ++position_;
                const char escaped = peek();
                if (escaped == 'u') {
                    for (int k = 0; k < 4; ++k) {
                        ++position_;
                        if (std::strchr("0123456789abcdefABCDEF", peek()) == nullptr ||
                            peek() == '\0') {
                            return false;
                        }
                    }
                } else if (std::strchr("\"\\/bfnrt", escaped) == nullptr || escaped == '\0') {
                    return false;
                }
            }
        }
        return false;
    }
    bool number() {
        const size_t start = position_;
        if (peek() == '-') {
            ++position_;
        }
        if (peek() == '0') {
            ++position_;
        } else {
            if (peek() < '1' || peek() > '9') {
                return false;
            }
            while (peek() >= '0' && peek() <= '9') {
                ++position_;
            }
        }
        return position_ > start; // the tool writes whole numbers only
    }
    bool value() {
        if (++depth_ > 64) {
            return false;
        }
        skip_space();
        bool good = false;
        const char c = peek();
        if (c == '{' || c == '[') {
            good = members(c == '{');
        } else if (c == '"') {
            good = string();
        } else if (c == 't' || c == 'f' || c == 'n') {
            good = literal("true") || literal("false") || literal("null");
        } else {
            good = number();
        }
        --depth_;
        return good;
    }
    bool members(bool object) {
        const char close = object ? '}' : ']';
        ++position_;
        skip_space();
        if (peek() == close) {
            ++position_;
            return true;
        }
        for (;;) {
            skip_space();
            if (object) {
                if (!string()) {
                    return false;
                }
                skip_space();
                if (peek() != ':') {
                    return false;
                }
                ++position_;
            }
            if (!value()) {
                return false;
            }
            skip_space();
            if (peek() == ',') {
                ++position_;
            } else if (peek() == close) {
                ++position_;
                return true;
            } else {
                return false;
            }
        }
    }

    const std::string& text_;
    size_t position_ = 0;
    uint32_t depth_ = 0;
};

// With VIDOMAT_FUZZ_TRACE set, the argument vector is printed to standard error, one
// argument a line in brackets, so a finding can be replayed by vidomat-calc.
void trace(const std::vector<std::string>& arguments) {
    static const bool tracing = std::getenv("VIDOMAT_FUZZ_TRACE") != nullptr;
    if (!tracing) {
        return;
    }
    for (const std::string& argument : arguments) {
        std::fprintf(stderr, "[%s]\n", argument.c_str());
    }
}

void require_outcome(const std::vector<const char*>& argv, int status, const std::string& out,
                     const std::string& err) {
    require(status == status_fits || status == status_does_not_fit || status == status_usage ||
            status == status_bad_value || status == status_bad_settings ||
            status == status_output_failed);
    // Writing to memory does not fail.
    require(status != status_output_failed);
    if (status != status_fits && status != status_does_not_fit) {
        require(out.empty());
        require(err.compare(0, 14, "vidomat-calc: ") == 0 && err.size() > 14 && err.back() == '\n');
        return;
    }
    require(err.empty() && !out.empty() && out.back() == '\n' && valid_utf8(out));
    CalcOptions options;
    require(!failed(parse_options(static_cast<int>(argv.size()), argv.data(), options)));
    if (options.output == output_json && !options.help && !options.version) {
        require(out.find('\n') == out.size() - 1);
        require(JsonCheck(out).one_object());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    std::vector<std::string> arguments{"vidomat-calc"};
    for (uint32_t i = 0; i < max_arguments && !input.empty(); ++i) {
        arguments.push_back(argument(input));
    }
    redirect_settings(arguments);
    trace(arguments);
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    MemoryStream out;
    MemoryStream err;
    const int status =
        run_calc(static_cast<int>(argv.size()), argv.data(), out.stream(), err.stream());
    require_outcome(argv, status, out.close(), err.close());
    return 0;
}
