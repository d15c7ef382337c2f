// Fuzz target: the three number readers on any text a field can hold, and the
// formatter's promise that every text it writes reads back as the value it shows.
#include "engine/calculator_state.h"
#include "engine/field_conversion.h"
#include "fuzz/fuzz_input.h"
#include "numbers/number_formatter.h"
#include "numbers/number_reader.h"

#include <cstdlib>
#include <cstring>

namespace {

__extension__ typedef unsigned __int128 uint128;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

uint128 power_of_ten(uint32_t k) {
    uint128 power = 1;
    for (uint32_t i = 0; i < k; ++i) {
        power *= 10;
    }
    return power;
}

// The text the formatter wrote must read back to a value within its rounding rule:
// the exact value cut to `decimals` places, or one unit of the last place more when the
// rest exceeded a third of that unit.
void check_round_trip(const MixedNumber& value, uint32_t decimals) {
    const uint64_t whole = value.whole;
    const uint32_t numerator = value.numerator;
    const uint32_t denominator = numerator == 0 ? 1 : value.denominator;
    char text[format_buffer_size];
    std::strcpy(text, format_number(whole, numerator, denominator, decimals));
    const MixedNumber back = read_decimal_text(text);

    // Compare whole + numerator / denominator with the value read, both scaled by
    // denominator * 10^decimals and rounded down (128 bits hold every product here).
    const uint128 scale = power_of_ten(decimals);
    const uint128 exact = (static_cast<uint128>(whole) * denominator + numerator) * scale;
    const uint128 unit = denominator; // one unit of the last shown place, scaled
    const uint128 cut = exact / unit * unit;
    const uint128 rest = exact - cut;
    uint128 shown = static_cast<uint128>(back.whole) * scale;
    if (back.numerator != 0) {
        require(back.denominator != 0 && back.denominator <= scale);
        shown += static_cast<uint128>(back.numerator) * (scale / back.denominator);
    }
    shown *= denominator;
    const bool rounds_up = rest != 0 && 3 * rest > unit;
    require(shown == (rounds_up ? cut + unit : cut));

    // Formatting the value read gives the same digits again (less trailing zeros).
    char again[format_buffer_size];
    std::strcpy(again, format_number(back.whole, back.numerator, back.denominator, decimals));
    size_t length = std::strlen(text);
    if (std::strchr(text, ',') != nullptr) {
        while (text[length - 1] == '0') {
            --length;
        }
        if (text[length - 1] == ',') {
            --length;
        }
    }
    require(std::strlen(again) == length && std::memcmp(again, text, length) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);

    // Any field text: at most 255 characters, no terminator inside.
    char text[256];
    const size_t length = input.text(text, sizeof text);
    (void)length;
    read_decimal_text(text);
    uint64_t value = 0;
    read_frames_text(text, &value);
    const uint32_t factors[20] = {60, 3600};
    read_time_text(text, factors, 20, &value);

    // A value a field can show: a data amount, a rate or a margin in any unit.
    MixedNumber display{};
    uint32_t decimals = 6;
    const uint8_t kind = input.byte();
    const bool in_bits = (kind & 4) != 0;
    const uint32_t prefix = (kind >> 3) & 3;
    switch (kind % 3) {
    case 0:
        decimals = size_to_display(input.word64(), in_bits, prefix, display);
        break;
    case 1:
        decimals = rate_to_display(input.word32(), !in_bits, prefix, display);
        break;
    default: {
        const uint32_t denominator = input.word32() | 1;
        const uint32_t numerator = input.word32() % denominator + 1;
        display =
            mixed_divide_wide(static_cast<uint64_t>(denominator - numerator) * 100, denominator);
        break;
    }
    }
    check_round_trip(display, decimals);
    return 0;
}
