#include "engine/data_rate.h"

#include "engine/calculator_state.h"

#include <gtest/gtest.h>

namespace {

// The start-up values after the "4,7 GB" medium was applied.
class DataRate : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_calculator_state();
        calc.max_size_bits = 37624000000u;
    }
};

TEST_F(DataRate, WorkedExample) {
    compute_payload();
    EXPECT_EQ(calc.payload_bits, 36974160000u);
    calc.edit_state = video_reread_done | audio_reread_done;
    video_rate_from_payload();
    EXPECT_EQ(calc.video_rate, 10037558u);
    EXPECT_EQ(calc.edit_state, audio_reread_done); // the video field must be read back

    calc.video_rate_shown = 10037558;
    calc.audio_rate_shown = 224000;
    compute_result_size();
    EXPECT_EQ(calc.result_size_bits, 37623996400u);
}

TEST_F(DataRate, NegativePayloadGivesNoVideoRate) {
    calc.reserve_bits = calc.max_size_bits + 1;
    calc.video_rate = 5;
    compute_payload();
    EXPECT_LT(static_cast<int64_t>(calc.payload_bits), 0);
    video_rate_from_payload();
    EXPECT_EQ(calc.video_rate, 0u);

    // The result then counts only the audio rate, the overheads and the reserve.
    calc.video_rate_shown = 0;
    calc.audio_rate_shown = 224000;
    compute_result_size();
    EXPECT_EQ(calc.result_size_bits,
              uint64_t{3600} * 224000u + 69840000u + 580000000u + calc.reserve_bits);
}

TEST_F(DataRate, ShareBelowTheAudioRateGivesNoVideoRate) {
    calc.length_seconds = 100000; // payload / seconds = 369741 < audio 400000
    calc.audio_rate = 400000;
    compute_payload();
    video_rate_from_payload();
    EXPECT_EQ(calc.video_rate, 0u);
    calc.audio_rate = 369741; // exactly the share: still nothing left
    video_rate_from_payload();
    EXPECT_EQ(calc.video_rate, 0u);
}

TEST_F(DataRate, RateBeyond32BitsSaturates) {
    calc.length_seconds = 4; // 90 frames typed so far: 9243540000 bits per second
    compute_payload();
    video_rate_from_payload();
    EXPECT_EQ(calc.video_rate, mul_div(0xFFFFFFFFu - 224000, 9991, 10000));
}

TEST_F(DataRate, ResultSaturatesInsteadOfWrapping) {
    calc.video_factor_num = 1;
    calc.video_factor_den = 10000;
    calc.video_rate_shown = 0xFFFFFFFFu;
    calc.audio_rate_shown = 0xFFFFFFFFu;
    calc.length_seconds = 1;
    compute_result_size();
    EXPECT_EQ(calc.result_size_bits, uint64_t{0xFFFFFFFFu} + 69840000u + 580000000u);
}

TEST_F(DataRate, NoLengthLeavesOnlyOverheadsAndReserve) {
    calc.length_seconds = 0;
    calc.reserve_bits = 1000;
    calc.video_rate_shown = 10037558;
    calc.audio_rate_shown = 224000;
    compute_result_size();
    EXPECT_EQ(calc.result_size_bits, 69840000u + 580000000u + 1000u);
}

} // namespace
