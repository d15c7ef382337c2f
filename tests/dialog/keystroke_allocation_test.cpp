// Typing into a value field runs the whole live path (notification, read, compute,
// format, write, read back) without touching the heap.
#include "calculator_fixture.h"
#include "platform/memory/memory_dialog.h"

#include <cstdlib>
#include <new>

namespace {
bool counting = false;
uint32_t allocations = 0;
} // namespace

void* operator new(size_t size) {
    if (counting) {
        ++allocations;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, size_t) noexcept {
    std::free(memory);
}

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
        allocations = 0;
        counting = true;
        memory_type(entry.id, entry.text);
        memory_key_enter();
        counting = false;
        EXPECT_EQ(allocations, 0u);
        EXPECT_EQ(std::string(memory_field_text(entry.id)).empty(), false);
    }
}

} // namespace
