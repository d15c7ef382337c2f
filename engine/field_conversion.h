// Converting each value field between its unit (bytes or bits, prefix none, K, M or G)
// and the base unit the calculator keeps (bits, bits per second), and showing it.
#ifndef VIDOMAT_ENGINE_FIELD_CONVERSION_H
#define VIDOMAT_ENGINE_FIELD_CONVERSION_H

#include "numbers/mixed_number.h"

#include <cstdint>

// The five quantities shown in a unit the user chooses.
enum Quantity : uint32_t {
    quantity_max_size,
    quantity_audio,
    quantity_result,
    quantity_video,
    quantity_reserve,
    quantity_count,
};

// Where a quantity's unit lives: its fields, its radio pair, and its bits in mode_flags.
struct QuantityUnit {
    uint32_t value_field;
    uint32_t selector;
    uint32_t first_radio;  // "Bytes" for data amounts, "Bits" for rates
    uint32_t second_radio; // the other one
    uint32_t prefix_shift;
    uint32_t flag; // the bytes/bits flag
    bool is_rate;  // rates: flag set means bytes; data amounts: flag set means bits
};

extern const QuantityUnit quantity_units[quantity_count];

// The quantity's unit as mode_flags holds it now.
bool quantity_in_bits(Quantity quantity);
uint32_t quantity_prefix(Quantity quantity);

// Stored value -> display value; returns the decimals to show it with.
uint32_t size_to_display(uint64_t bits, bool in_bits, uint32_t prefix, MixedNumber& display);
uint32_t rate_to_display(uint32_t rate, bool in_bytes, uint32_t prefix, MixedNumber& display);
// A value read from a field's text, in the field's unit -> stored value, rounded down;
// `display` receives the scaled value. A rate whose whole part needs more than 32 bits
// reads as 0.
uint64_t scale_size_display(bool in_bits, uint32_t prefix, MixedNumber& display);
uint32_t scale_rate_display(bool in_bytes, uint32_t prefix, MixedNumber& display);
// A field's text -> stored value, rounded down; `display` receives the scaled value.
uint64_t read_size_field(uint32_t id, bool in_bits, uint32_t prefix, MixedNumber& display);
uint32_t read_rate_field(uint32_t id, bool in_bytes, uint32_t prefix, MixedNumber& display);

// Reads a quantity's field in the unit it shows now, into the field's display value.
uint32_t read_rate_quantity(Quantity quantity); // audio or video rate
uint64_t read_size_quantity(Quantity quantity); // max. data amount or reserve

void show_max_size();
void show_reserve();
// The rate fields are read back after writing while their reread bit is clear.
void show_audio_rate();
void show_video_rate();
void reread_audio_rate();
void reread_video_rate();
// Convert and write a field without reading anything back or computing.
void show_audio_text();
void show_video_text();
void show_result_text();

#endif
