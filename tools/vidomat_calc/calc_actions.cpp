#include "tools/vidomat_calc/calc_actions.h"

#include "engine/calculator_state.h"
#include "engine/field_conversion.h"
#include "platform/shared/text_encoding.h"
#include "tools/vidomat_calc/value_check.h"
#include "tools/vidomat_calc/value_text.h"
#include "tools/vidomat_script/driven_dialog.h"

namespace {

const char* const value_help =
    "erwartet wird eine Zahl wie 224000, 224 000 oder 218,75, wahlweise mit einer Einheit: "
    "B, KB, MB, GB (Bytes) oder b, Kb, Mb, Gb (Bits)";

CalcError bad_value(const char* option, const std::string& value, const std::string& problem) {
    return CalcError{status_bad_value, std::string(option) + ": „" + value + "“: " + problem};
}

// Pastes the text into a field, as a user does, and confirms it with Enter.
void enter(uint32_t field, const std::string& text) {
    driven_paste(field, text);
    driven_key_enter();
}

// Clicks the quantity's Bytes or Bits button and chooses the unit in its selector, even
// when that unit is shown already.
void set_unit(Quantity quantity, Unit unit) {
    const QuantityUnit& place = quantity_units[quantity];
    // Rates have "Bits" first, data amounts "Bytes".
    const bool first = place.is_rate ? unit.in_bits : !unit.in_bits;
    driven_click(first ? place.first_radio : place.second_radio);
    driven_choose(place.selector, unit_name(unit));
}

// The unit the quantity's field shows now.
Unit unit_in_force(Quantity quantity) {
    return Unit{quantity_in_bits(quantity), quantity_prefix(quantity)};
}

// A data amount or rate as written: its unit (the one given, else the one in force),
// the text to paste and the number as read, checked in that unit. With `choose_unit` a
// given unit is set in the dialog first.
CalcError prepare_quantity(const char* option, const std::string& value, Quantity quantity,
                           bool choose_unit, std::string& field_text, MixedNumber& read,
                           Unit& unit) {
    ValueText text;
    const ValueSyntax syntax = split_value(value, text);
    if (syntax == value_not_a_number) {
        return bad_value(option, value, value_help);
    }
    if (syntax == value_unknown_unit) {
        return bad_value(option, value, "keine bekannte Einheit; " + std::string(value_help));
    }
    if (text.has_unit && choose_unit) {
        set_unit(quantity, text.unit);
    }
    unit = text.has_unit ? text.unit : unit_in_force(quantity);
    field_text = field_text_of(text.number);
    std::string problem = check_decimal(field_text, read);
    if (problem.empty()) {
        problem = quantity_units[quantity].is_rate ? check_rate_range(read, unit)
                                                   : check_amount_range(read, unit);
    }
    return problem.empty() ? no_error() : bad_value(option, value, problem);
}

CalcError enter_quantity(const char* option, const std::string& value, Quantity quantity) {
    std::string field_text;
    MixedNumber read{};
    Unit unit{};
    const CalcError error = prepare_quantity(option, value, quantity, true, field_text, read, unit);
    if (!failed(error)) {
        enter(quantity_units[quantity].value_field, field_text);
    }
    return error;
}

CalcError choose_format(const std::string& format) {
    if (format != "dvd" && format != "frei") {
        return bad_value("--format", format,
                         "angeboten werden dvd und frei (VCD und SVCD wählt der Dialog nicht)");
    }
    driven_click(format == "dvd" ? radio_dvd : radio_free);
    return no_error();
}

bool list_holds(uint32_t id, const std::string& text) {
    for (uint32_t i = 0; i < driven_list_count(id); ++i) {
        if (driven_list_item(id, i) == text) {
            return true;
        }
    }
    return false;
}

CalcError choose_medium(const std::string& medium) {
    const std::string text = utf8_to_windows1252(medium);
    if (list_holds(field_medium, text)) {
        driven_choose(field_medium, text);
    } else {
        enter(field_medium, text);
    }
    if (!driven_field_text(field_medium).empty()) {
        return no_error();
    }
    std::string media;
    for (uint32_t i = 0; i < driven_list_count(field_medium); ++i) {
        media += (i == 0 ? "" : ", ") + windows1252_to_utf8(driven_list_item(field_medium, i));
    }
    return bad_value("--medium", medium, "kein bekanntes Medium; angeboten werden " + media);
}

CalcError enter_length(const CalcOptions& options) {
    const bool frames = options.frames.has_value();
    const std::string& value = frames ? *options.frames : *options.time;
    const std::string problem = frames ? check_frames(value) : check_time(value);
    if (!problem.empty()) {
        return bad_value(frames ? "--frames" : "--time", value, problem);
    }
    driven_click(frames ? radio_frames : radio_time);
    enter(field_length, value);
    return no_error();
}

// Several audio tracks: each rate read as the audio field reads it in its unit, the sum
// entered in bits per second.
CalcError enter_audio_tracks(const std::vector<std::string>& tracks) {
    uint64_t sum = 0;
    for (const std::string& track : tracks) {
        std::string field_text;
        MixedNumber read{};
        Unit unit{};
        const CalcError error =
            prepare_quantity("--audio", track, quantity_audio, false, field_text, read, unit);
        if (failed(error)) {
            return error;
        }
        sum += scale_rate_display(!unit.in_bits, unit.prefix, read);
    }
    if (sum > max_uint32) {
        return CalcError{status_bad_value, "--audio: die Summe der Audio-Datenraten, " +
                                               std::to_string(sum) +
                                               " b/s, ist größer als 4 294 967 295 b/s"};
    }
    set_unit(quantity_audio, Unit{true, 0});
    enter(field_audio_rate, std::to_string(sum));
    return no_error();
}

CalcError enter_margin(const std::string& margin) {
    if (!is_number_text(margin, true)) {
        return bad_value("--margin", margin, "erwartet wird eine Zahl von Prozent wie 0,09 oder 5");
    }
    const std::string field_text = field_text_of(margin);
    MixedNumber read{};
    std::string problem = check_decimal(field_text, read);
    if (problem.empty() && read.whole >= 100) {
        problem = "die Sicherheitsreserve muss unter 100 % liegen";
    }
    if (!problem.empty()) {
        return bad_value("--margin", margin, problem);
    }
    enter(field_margin, field_text);
    return no_error();
}

CalcError set_unit_option(const char* option, const std::string& name, Quantity quantity) {
    Unit unit{};
    if (!parse_unit(name, unit)) {
        return bad_value(option, name,
                         "keine Einheit; angeboten werden B, KB, MB, GB, b, Kb, Mb und Gb");
    }
    set_unit(quantity, unit);
    return no_error();
}

} // namespace

CalcError play_options(const CalcOptions& options) {
    CalcError error = no_error();
    if (options.format) {
        error = choose_format(*options.format);
    }
    if (!failed(error) && options.medium) {
        error = choose_medium(*options.medium);
    }
    if (!failed(error) && options.max_size) {
        error = enter_quantity("--max-size", *options.max_size, quantity_max_size);
    }
    if (!failed(error) && (options.frames || options.time)) {
        error = enter_length(options);
    }
    if (!failed(error) && options.audio.size() == 1) {
        error = enter_quantity("--audio", options.audio[0], quantity_audio);
    } else if (!failed(error) && options.audio.size() > 1) {
        error = enter_audio_tracks(options.audio);
    }
    if (!failed(error) && options.reserve) {
        error = enter_quantity("--reserve", *options.reserve, quantity_reserve);
    }
    if (!failed(error) && options.margin) {
        error = enter_margin(*options.margin);
    }
    if (!failed(error) && options.video) {
        error = enter_quantity("--video", *options.video, quantity_video);
    }
    if (!failed(error) && options.video_unit) {
        error = set_unit_option("--video-unit", *options.video_unit, quantity_video);
    }
    if (!failed(error) && options.result_unit) {
        error = set_unit_option("--result-unit", *options.result_unit, quantity_result);
    }
    // A length below 12 frames is 0 seconds, from which the dialog derives no video rate:
    // it would go on showing the one it had.
    if (!failed(error) && !options.video && (options.frames || options.time) &&
        calc.length_seconds == 0) {
        error = bad_value(options.frames ? "--frames" : "--time",
                          options.frames ? *options.frames : *options.time,
                          "eine Länge unter einer Sekunde (weniger als 12 Frames) ergibt keine "
                          "Video-Datenrate");
    }
    return error;
}
