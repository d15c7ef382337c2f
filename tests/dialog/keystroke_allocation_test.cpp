// Typing into a value field runs the whole live path (notification, read, compute,
// format, write, read back) without touching the heap.
#include "allocation_counter.h"
#include "calculator_fixture.h"
#include "platform/memory/memory_dialog.h"

namespace {

using KeystrokeAllocation = CalculatorTest;

TEST_F(KeystrokeAllocation, TypingInEveryValueFieldAllocatesNothing) {
    const struct {
        uint32_t id;
        const char* text;
    } entries[] = {
        {field_audio_rate, "192 000"},     {field_video_rate, "8 000 000"},
        {field_max_size, "4 000 000 000"}, {field_reserve, "1 000"},
        {field_length, "100 000"},         {field_margin, "2,5"},
        {field_medium, "8,5 GB"},
    };
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.id);
        memory_focus(entry.id);
        const uint64_t before = allocation_count();
        memory_type(entry.id, entry.text);
        memory_key_enter();
        EXPECT_EQ(allocation_count() - before, 0u);
        EXPECT_EQ(std::string(memory_field_text(entry.id)).empty(), false);
    }
}

} // namespace
