// How wide a text the edit part of a combo box of the calculator dialog lets the user
// put in. A drop-down combo box without CBS_AUTOHSCROLL has an edit field that does not
// scroll: it takes only the text that fits its formatting rectangle; every other combo
// box takes text of any width.
#ifndef VIDOMAT_PLATFORM_SHARED_EDIT_WIDTH_H
#define VIDOMAT_PLATFORM_SHARED_EDIT_WIDTH_H

#include <cstddef>
#include <cstdint>

// The width in pixels of the formatting rectangle of combo box `id`'s edit field when
// that field takes only what fits, otherwise 0 (no limit, or no such combo box).
uint32_t edit_width_limit(uint32_t id);

// The room one byte takes in an edit field: its advance in the edit fields' font, except
// for the soft hyphen (0xAD), which takes none on a field's single line. Bytes below 0x20
// were not measured; a user cannot type them (the driver drops control characters), and
// they count 0.
uint32_t edit_char_width(uint8_t code);

// The width of the first `length` bytes of a text: the sum of the room each takes, where
// the blanks right after a soft hyphen take none.
uint32_t edit_text_width(const char* text, size_t length);

// The width rule of a field that does not scroll. `text` is the whole text after the
// user's change, with `count` bytes inserted at `start`; returns how many of them the
// field keeps: the inserted text loses its last character, again and again, until the
// text is at most `limit` pixels wide (limit 0: no limit, all of them). Only inserted
// text is ever taken away, so a text already wider than the field keeps none.
uint32_t edit_fitting_count(const char* text, uint32_t start, uint32_t count, uint32_t limit);

#endif
