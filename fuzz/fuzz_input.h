// Takes typed values one after another out of a fuzzer's input bytes; past the end
// every value is 0.
#ifndef VIDOMAT_FUZZ_FUZZ_INPUT_H
#define VIDOMAT_FUZZ_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool empty() const {
        return position_ >= size_;
    }
    uint8_t byte() {
        return position_ < size_ ? data_[position_++] : 0;
    }
    uint32_t word32() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value << 8 | byte();
        }
        return value;
    }
    uint64_t word64() {
        return static_cast<uint64_t>(word32()) << 32 | word32();
    }
    // A text of a length the first byte gives (at most capacity - 1), zero bytes left out.
    size_t text(char* buffer, size_t capacity) {
        const size_t wanted = byte() % capacity;
        size_t length = 0;
        for (size_t i = 0; i < wanted && !empty(); ++i) {
            const char c = static_cast<char>(byte());
            if (c != '\0') {
                buffer[length++] = c;
            }
        }
        buffer[length] = '\0';
        return length;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

#endif
