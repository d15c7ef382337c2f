// Whether a number written on the command line reaches the calculator as given: the
// field's reader must read exactly the number written, and the value in base units must
// fit the quantity. Each check returns the German reason, or "" when the value is good.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_VALUE_CHECK_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_VALUE_CHECK_H

#include "numbers/mixed_number.h"
#include "tools/vidomat_calc/value_text.h"

#include <cstdint>
#include <string>

// A number as pasted into a field (decimal comma): `read` receives what the decimal
// reader gives for it.
std::string check_decimal(const std::string& field_text, MixedNumber& read);
// A data amount (up to 2^64 - 1 bits) or a rate (up to 2^32 - 1 bits per second) in
// `unit`, as read by check_decimal.
std::string check_amount_range(const MixedNumber& read, Unit unit);
std::string check_rate_range(const MixedNumber& read, Unit unit);
// A frame count (digits, grouped by single spaces).
std::string check_frames(const std::string& text);
// Hours : minutes : seconds; the seconds must fit 32 bits.
std::string check_time(const std::string& text);

#endif
