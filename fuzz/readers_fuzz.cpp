// Fuzz target: the three number readers on any text a field can hold, and the
// formatter's promise that every text it writes reads back as the value it shows.
#include "engine/calculator_state.h"
#include "engine/field_conversion.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/read_back_check.h"
#include "numbers/number_formatter.h"
#include "numbers/number_reader.h"

#include <cstring>

namespace {

// The text the formatter writes for a value reads back to it within its rounding rule,
// and formatting the value read gives the same digits again (less trailing zeros).
void check_round_trip(const MixedNumber& value, uint32_t decimals) {
    const uint32_t denominator = value.numerator == 0 ? 1 : value.denominator;
    char text[format_buffer_size];
    std::strcpy(text, format_number(value.whole, value.numerator, denominator, decimals));
    require_reads_back(text, value, decimals);
    const MixedNumber back = read_decimal_text(text);

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
