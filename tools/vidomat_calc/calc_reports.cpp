#include "tools/vidomat_calc/calc_reports.h"

#include "engine/calculator_state.h"
#include "platform/shared/text_encoding.h"
#include "tools/vidomat_script/driven_dialog.h"
#include "tools/vidomat_script/snapshot.h"

namespace {

std::string shown(uint32_t id) {
    return windows1252_to_utf8(driven_field_text(id));
}

std::string format_name() {
    const uint32_t radios[] = {radio_dvd, radio_vcd, radio_svcd, radio_free};
    const char* const names[] = {"DVD", "VCD", "SVCD", "frei"};
    for (uint32_t i = 0; i < 4; ++i) {
        if (driven_checked(radios[i])) {
            return names[i];
        }
    }
    return "";
}

std::string line(const char* label, const std::string& value, const std::string& unit = "") {
    return std::string(label) + ": " + value + (unit.empty() ? "" : " " + unit) + "\n";
}

std::string json_key(const char* name, uint64_t value) {
    return std::string("\"") + name + "\": " + std::to_string(value) + ", ";
}

} // namespace

bool calculation_fits(bool video_entered) {
    return video_entered ? calc.result_size_bits <= calc.max_size_bits : calc.video_rate != 0;
}

std::string fields_report() {
    const bool frames = driven_checked(radio_frames);
    std::string out = line("Ausgabeformat", format_name());
    out += line("Medium", shown(field_medium));
    out += line("max. Datenmenge", shown(field_max_size), shown(selector_max_size));
    out += line("Länge", shown(field_length), frames ? "Frames" : "(Std : Min : Sek)");
    out += line("Audio-Datenrate", shown(field_audio_rate), shown(selector_audio) + "/s");
    out += line("reservieren", shown(field_reserve), shown(selector_reserve));
    out += line("Sicherheitsreserve (%)", shown(field_margin));
    out += line("Video-Datenrate", shown(field_video_rate), shown(selector_video) + "/s");
    out += line("resultierende Datenmenge", shown(field_result_size), shown(selector_result));
    return out;
}

std::string json_report(bool fits) {
    std::string out = std::string("{\"fits\": ") + (fits ? "true" : "false") + ", ";
    out += json_key("video_bits_per_second", calc.video_rate_shown);
    out += json_key("audio_bits_per_second", calc.audio_rate_shown);
    out += json_key("result_size_bits", calc.result_size_bits);
    out += json_key("max_size_bits", calc.max_size_bits);
    out += json_key("reserve_bits", calc.reserve_bits);
    out += json_key("length_seconds", calc.length_seconds);
    out += json_key("length_frames", calc.length_frames);
    out += "\"fields\": " + snapshot_fields() + ", \"state\": " + snapshot_state() + "}\n";
    return out;
}
