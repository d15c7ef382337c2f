#include "tools/vidomat_calc/value_check.h"

#include "engine/calculator_state.h"
#include "numbers/number_reader.h"

namespace {

const char* const not_as_given =
    "das Feld liest die Zahl nicht so, wie sie dasteht (es liest höchstens 20 Ziffern, davon "
    "höchstens 9 nach dem Komma, bis 18 446 744 073 709 551 615)";

// The digits of a text without its group spaces and leading zeros ("0" for none).
std::string significant_digits(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' && !(out.empty() && c == '0')) {
            out += c;
        }
    }
    return out.empty() ? "0" : out;
}

uint64_t power_of_ten(size_t exponent) {
    uint64_t power = 1;
    for (size_t i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

// `numerator` as a fraction's `length` digits, with leading zeros.
std::string fraction_digits(uint32_t numerator, size_t length) {
    const std::string digits = std::to_string(numerator);
    return std::string(length > digits.size() ? length - digits.size() : 0, '0') + digits;
}

// Scales `value` by 8 (for bytes) and then by the prefix multiplier, as the fields do,
// and tells whether the whole part stays within `limit`. Each step first makes sure that
// its product cannot pass the limit, so nothing wraps on the way.
bool fits_in_base_units(MixedNumber value, Unit unit, uint64_t limit) {
    const uint32_t factors[2] = {unit.in_bits ? 1u : 8u, prefix_multiplier(unit.prefix)};
    for (const uint32_t factor : factors) {
        if (factor == 1) {
            continue;
        }
        if (value.whole > limit / factor) {
            return false;
        }
        mixed_scale_wide(value, factor);
    }
    return value.whole <= limit;
}

} // namespace

std::string check_decimal(const std::string& field_text, MixedNumber& read) {
    read = read_decimal_text(field_text.c_str());
    const size_t comma = field_text.find(',');
    if (std::to_string(read.whole) != significant_digits(field_text.substr(0, comma))) {
        return not_as_given;
    }
    if (comma == std::string::npos) {
        return read.numerator == 0 ? "" : not_as_given;
    }
    const std::string fraction = field_text.substr(comma + 1);
    if (fraction.size() > 9 || read.denominator != power_of_ten(fraction.size()) ||
        fraction_digits(read.numerator, fraction.size()) != fraction) {
        return not_as_given;
    }
    return "";
}

std::string check_amount_range(const MixedNumber& read, Unit unit) {
    return fits_in_base_units(read, unit, UINT64_MAX)
               ? ""
               : "mehr als 18 446 744 073 709 551 615 bit kann keine Datenmenge sein";
}

std::string check_rate_range(const MixedNumber& read, Unit unit) {
    return fits_in_base_units(read, unit, max_uint32)
               ? ""
               : "mehr als 4 294 967 295 b/s kann keine Datenrate sein";
}

std::string check_frames(const std::string& text) {
    if (!is_number_text(text, false)) {
        return "keine Anzahl von Frames (erwartet werden Ziffern, etwa 90000 oder 90 000)";
    }
    uint64_t frames = 0;
    if (!read_frames_text(text.c_str(), &frames) ||
        std::to_string(frames) != significant_digits(text)) {
        return "das Feld liest höchstens 11 Ziffern";
    }
    return "";
}

std::string check_time(const std::string& text) {
    if (!is_time_text(text)) {
        return "keine Zeit (erwartet wird Std:Min:Sek, etwa 1:30:00, oder Min:Sek oder Sek)";
    }
    // The parts' place values from the right: seconds, minutes, hours.
    const uint64_t place_values[3] = {1, 60, 3600};
    uint64_t seconds = 0;
    size_t part = 0;
    size_t end = text.size();
    for (size_t i = text.size(); i-- > 0;) {
        if (text[i] == ':' || i == 0) {
            const size_t start = text[i] == ':' ? i + 1 : i;
            const std::string digits = text.substr(start, end - start);
            if (digits.size() > 10) {
                return "mehr als 4 294 967 295 Sekunden kann das Feld nicht lesen";
            }
            seconds += std::stoull(digits) * place_values[part++];
            end = i;
        }
    }
    uint64_t read = 0;
    if (seconds > max_uint32 ||
        !read_time_text(text.c_str(), calc.time_factors, time_factor_count, &read) ||
        read != seconds) {
        return "mehr als 4 294 967 295 Sekunden kann das Feld nicht lesen";
    }
    return "";
}
