#include "engine/data_rate.h"

#include "engine/calculator_state.h"
#include "numbers/mixed_number.h"

void compute_payload() {
    uint64_t payload = wide_subtract(calc.max_size_bits, calc.reserve_bits);
    payload = wide_subtract(payload, calc.frames_overhead_bits);
    calc.payload_bits = wide_subtract(payload, calc.fixed_overhead_bits);
}

void video_rate_from_payload() {
    if (static_cast<int64_t>(calc.payload_bits) < 0) {
        calc.video_rate = 0;
    } else {
        const uint64_t per_second = mixed_divide_wide(calc.payload_bits, calc.length_seconds).whole;
        // A rate is 32 bits: more than that per second saturates, and a share below the
        // audio rate leaves nothing for video.
        const uint32_t total_rate =
            per_second > max_uint32 ? max_uint32 : static_cast<uint32_t>(per_second);
        calc.video_rate = total_rate <= calc.audio_rate
                              ? 0
                              : mul_div(total_rate - calc.audio_rate, calc.video_factor_num,
                                        calc.video_factor_den);
    }
    calc.edit_state &= ~video_reread_done;
}

void compute_result_size() {
    const uint32_t video =
        mul_div(calc.video_rate_shown, calc.video_factor_den, calc.video_factor_num);
    const uint64_t sum = static_cast<uint64_t>(video) + calc.audio_rate_shown;
    const uint32_t total_rate = sum > max_uint32 ? max_uint32 : static_cast<uint32_t>(sum);
    uint64_t result = wide_multiply(calc.length_seconds, total_rate);
    result = wide_add(result, calc.frames_overhead_bits);
    result = wide_add(result, calc.fixed_overhead_bits);
    calc.result_size_bits = wide_add(result, calc.reserve_bits);
}
