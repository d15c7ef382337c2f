#include "tools/vidomat_calc/explain_report.h"

#include "engine/calculator_state.h"
#include "numbers/mixed_number.h"

namespace {

constexpr size_t label_width = 46;
constexpr size_t number_width = 16;

// Digits grouped in threes by a space, as the dialog writes them.
std::string grouped(uint64_t value) {
    const std::string digits = std::to_string(value);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ' ';
        }
        out += digits[i];
    }
    return out;
}

// Characters, not bytes: the labels hold umlauts.
size_t width(const std::string& text) {
    size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::string padded(const std::string& text, size_t columns, bool right) {
    const std::string fill(columns > width(text) ? columns - width(text) : 0, ' ');
    return right ? fill + text : text + fill;
}

// "op label ........ number unit  note"
std::string step(const char* operation, const std::string& label, const std::string& number,
                 const char* unit, const std::string& note = "") {
    std::string out = std::string(operation) + " " + padded(label, label_width, false) +
                      padded(number, number_width, true) + " " + unit;
    return out + (note.empty() ? "" : "  " + note) + "\n";
}

std::string factor() {
    return grouped(calc.video_factor_num) + " / " + grouped(calc.video_factor_den);
}

std::string budget(bool video_entered) {
    std::string out = "Datenbudget (ganze Zahlen; jede Division rundet ab):\n";
    out += step(" ", "max. Datenmenge", grouped(calc.max_size_bits), "bit");
    out += step("−", "reservieren", grouped(calc.reserve_bits), "bit");
    out += step("−",
                "Overhead je Frame (" + grouped(calc.length_frames) + " Frames × " +
                    grouped(calc.overhead_per_frame_bits) + " bit)",
                grouped(calc.frames_overhead_bits), "bit");
    out += step("−", "fester Overhead", grouped(calc.fixed_overhead_bits), "bit");
    const int64_t payload = static_cast<int64_t>(calc.payload_bits);
    if (payload < 0) {
        out += step("=", "für Audio und Video",
                    "−" + grouped(static_cast<uint64_t>(0) - calc.payload_bits), "bit",
                    "negativ: Video-Datenrate 0");
        return out;
    }
    out += step("=", "für Audio und Video", grouped(calc.payload_bits), "bit");
    if (calc.length_seconds == 0) {
        return out + "  Länge 0 s: daraus folgt keine Video-Datenrate.\n";
    }
    const uint64_t per_second = mixed_divide_wide(calc.payload_bits, calc.length_seconds).whole;
    const uint64_t total = per_second > max_uint32 ? max_uint32 : per_second;
    out += step("÷", "Länge " + grouped(calc.length_seconds) + " s", grouped(per_second), "b/s",
                total < per_second ? "mehr als 32 bit: 4 294 967 295 b/s" : "");
    out += step("−", "Audio-Datenrate", grouped(calc.audio_rate), "b/s");
    const uint64_t for_video = total > calc.audio_rate ? total - calc.audio_rate : 0;
    out += step("=", "für Video", grouped(for_video), "b/s",
                for_video == 0 ? "nichts bleibt für Video" : "");
    if (video_entered) {
        return out + step(" ", "Video-Datenrate eingegeben", grouped(calc.video_rate), "b/s");
    }
    return out + step("×", "Sicherheitsfaktor " + factor(), grouped(calc.video_rate), "b/s",
                      "= Video-Datenrate");
}

std::string way_back(bool fits) {
    std::string out = "Rückrechnung aus den Raten, wie sie angezeigt werden:\n";
    out += step(" ", "Video-Datenrate wie angezeigt", grouped(calc.video_rate_shown), "b/s");
    const uint32_t video =
        mul_div(calc.video_rate_shown, calc.video_factor_den, calc.video_factor_num);
    out += step("÷", "Sicherheitsfaktor " + factor(), grouped(video), "b/s");
    out += step("+", "Audio-Datenrate wie angezeigt", grouped(calc.audio_rate_shown), "b/s");
    const uint64_t sum = static_cast<uint64_t>(video) + calc.audio_rate_shown;
    const uint64_t total = sum > max_uint32 ? max_uint32 : sum;
    out += step("=", "zusammen", grouped(sum), "b/s",
                total < sum ? "mehr als 32 bit: 4 294 967 295 b/s" : "");
    out += step("×", "Länge " + grouped(calc.length_seconds) + " s",
                grouped(wide_multiply(calc.length_seconds, static_cast<uint32_t>(total))), "bit");
    out += step("+", "Overhead je Frame", grouped(calc.frames_overhead_bits), "bit");
    out += step("+", "fester Overhead", grouped(calc.fixed_overhead_bits), "bit");
    out += step("+", "reservieren", grouped(calc.reserve_bits), "bit");
    out += step("=", "resultierende Datenmenge", grouped(calc.result_size_bits), "bit");
    out += step(" ", "max. Datenmenge", grouped(calc.max_size_bits), "bit",
                fits ? "passt" : "passt nicht");
    return out;
}

} // namespace

std::string explain_report(bool video_entered, bool fits) {
    return budget(video_entered) + way_back(fits);
}
