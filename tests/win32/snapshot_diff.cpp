// Compares the snapshots two scenario drivers printed for the same script and names the
// first key whose value differs, e.g. "snapshot 2, fields.174: "4,7 GB" against """.
// Exit status 0 when both files hold the same snapshots, 1 when they differ, 2 on
// unreadable input.
// Usage: snapshot_diff EXPECTED.jsonl ACTUAL.jsonl [EXPECTED_NAME ACTUAL_NAME]
#include <cctype>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

// Every value of a snapshot with its place: "fields.175", "lists.175[2]", "running".
using Leaves = std::vector<std::pair<std::string, std::string>>;

class Flattener {
  public:
    explicit Flattener(const std::string& text) : text_(text) {}

    Leaves flatten() {
        value("");
        skip_space();
        if (at_ < text_.size()) {
            throw std::runtime_error("text after the snapshot");
        }
        return leaves_;
    }

  private:
    void skip_space() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])) != 0) {
            ++at_;
        }
    }

    char peek() {
        skip_space();
        if (at_ >= text_.size()) {
            throw std::runtime_error("the snapshot ends early");
        }
        return text_[at_];
    }

    void expect(char c) {
        if (peek() != c) {
            throw std::runtime_error(std::string("expected '") + c + "' at column " +
                                     std::to_string(at_ + 1));
        }
        ++at_;
    }

    std::string string_token() {
        skip_space();
        const size_t start = at_;
        expect('"');
        while (at_ < text_.size() && text_[at_] != '"') {
            at_ += text_[at_] == '\\' ? 2 : 1;
        }
        expect('"');
        return text_.substr(start, at_ - start);
    }

    void value(const std::string& path) {
        const char c = peek();
        if (c == '{') {
            ++at_;
            bool first = true;
            while (peek() != '}') {
                if (!first) {
                    expect(',');
                }
                first = false;
                const std::string key = string_token();
                expect(':');
                const std::string name = key.substr(1, key.size() - 2);
                value(path.empty() ? name : path + "." + name);
            }
            ++at_;
            if (first) {
                leaves_.emplace_back(path, "{}");
            }
        } else if (c == '[') {
            ++at_;
            size_t index = 0;
            while (peek() != ']') {
                if (index > 0) {
                    expect(',');
                }
                value(path + "[" + std::to_string(index++) + "]");
            }
            ++at_;
            leaves_.emplace_back(path + ".length", std::to_string(index));
        } else if (c == '"') {
            leaves_.emplace_back(path, string_token());
        } else {
            const size_t start = at_;
            while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '}' &&
                   text_[at_] != ']' && std::isspace(static_cast<unsigned char>(text_[at_])) == 0) {
                ++at_;
            }
            leaves_.emplace_back(path, text_.substr(start, at_ - start));
        }
    }

    const std::string& text_;
    size_t at_ = 0;
    Leaves leaves_;
};

std::vector<std::string> read_lines(const char* name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        throw std::runtime_error(std::string("cannot read ") + name);
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::cerr
            << "usage: snapshot_diff EXPECTED.jsonl ACTUAL.jsonl [EXPECTED_NAME ACTUAL_NAME]\n";
        return 2;
    }
    const std::string first_name = argc == 5 ? argv[3] : "first";
    const std::string second_name = argc == 5 ? argv[4] : "second";
    try {
        const std::vector<std::string> first = read_lines(argv[1]);
        const std::vector<std::string> second = read_lines(argv[2]);
        for (size_t line = 0; line < first.size() && line < second.size(); ++line) {
            if (first[line] == second[line]) {
                continue;
            }
            const Leaves a = Flattener(first[line]).flatten();
            const Leaves b = Flattener(second[line]).flatten();
            for (size_t i = 0; i < a.size() || i < b.size(); ++i) {
                const std::string key = i < a.size() ? a[i].first : b[i].first;
                const std::string value_a = i < a.size() ? a[i].second : "(nothing)";
                const std::string value_b = i < b.size() ? b[i].second : "(nothing)";
                if (i >= a.size() || i >= b.size() || a[i] != b[i]) {
                    std::cout << "snapshot " << line + 1 << ", " << key << ": " << first_name << " "
                              << value_a << ", " << second_name << " ";
                    if (i < b.size() && b[i].first != key) {
                        std::cout << b[i].first << " "; // a list of another length
                    }
                    std::cout << value_b << "\n";
                    return 1;
                }
            }
            std::cout << "snapshot " << line + 1 << " differs in its spacing\n";
            return 1;
        }
        if (first.size() != second.size()) {
            std::cout << first_name << " printed " << first.size() << " snapshots, " << second_name
                      << " " << second.size() << "\n";
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << "snapshot_diff: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
