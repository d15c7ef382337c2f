#include "platform/shared/dialog_units.h"

namespace {

int32_t mul_div_rounded(int32_t value, int32_t numerator, int32_t denominator) {
    const int64_t product = int64_t{value} * numerator;
    const int64_t half = denominator / 2;
    return static_cast<int32_t>(product >= 0 ? (product + half) / denominator
                                             : -((-product + half) / denominator));
}

} // namespace

int32_t dialog_x_to_pixels(int32_t units) {
    return mul_div_rounded(units, dialog_base_unit_x, 4);
}

int32_t dialog_y_to_pixels(int32_t units) {
    return mul_div_rounded(units, dialog_base_unit_y, 8);
}
