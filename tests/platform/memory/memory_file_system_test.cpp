#include "platform/memory/memory_file_system.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char name[] = "Vidomat.ini";
const FileSystem& files = memory_file_system;

std::string content() {
    const uint8_t* bytes = nullptr;
    uint32_t size = 0;
    if (!memory_file_get(name, &bytes, &size)) {
        return "(none)";
    }
    return std::string(reinterpret_cast<const char*>(bytes), size);
}

std::string read(PlatformHandle file, uint32_t size) {
    char buffer[16] = {};
    uint32_t count = 99;
    EXPECT_TRUE(files.read(file, buffer, size, &count));
    return std::string(buffer, count);
}

// The in-memory files behave as the POSIX ones do (posix_file_system_test.cpp).
TEST(MemoryFileSystem, OpensReadsWritesAndCreatesAsTheRealOnes) {
    memory_file_remove(name);
    EXPECT_EQ(files.open_existing(name), no_handle);
    bool existed = true;
    PlatformHandle file = files.open_always(name, &existed);
    ASSERT_NE(file, no_handle);
    EXPECT_FALSE(existed);
    EXPECT_EQ(content(), "");
    ASSERT_TRUE(files.write(file, "abcdef", 6));
    ASSERT_TRUE(files.seek_start(file));
    ASSERT_TRUE(files.write(file, "XY", 2)); // overwrites, keeps the rest
    EXPECT_EQ(read(file, 3), "cde");
    EXPECT_EQ(read(file, 16), "f"); // up to the end
    EXPECT_EQ(read(file, 16), "");
    files.close(file);
    EXPECT_FALSE(files.seek_start(file));
    EXPECT_EQ(content(), "XYcdef");

    file = files.open_always(name, &existed);
    EXPECT_TRUE(existed);
    files.close(file);

    ASSERT_TRUE(memory_file_put(name, "UD3\"", 4, true)); // read-only
    EXPECT_EQ(files.open_existing(name), no_handle);
    EXPECT_EQ(files.open_always(name, &existed), no_handle);
    EXPECT_FALSE(existed);
    ASSERT_TRUE(memory_file_put(name, "UD3\"", 4));
    file = files.open_existing(name);
    ASSERT_NE(file, no_handle);
    EXPECT_EQ(read(file, 16), "UD3\"");
    files.close(file);
}

TEST(MemoryFileSystem, AWritePastTheCapacityStopsThereAndFails) {
    const std::string almost_full(memory_file_capacity - 2, 'x');
    ASSERT_TRUE(memory_file_put(name, almost_full.data(), memory_file_capacity - 2));
    EXPECT_FALSE(memory_file_put(name, almost_full.data(), memory_file_capacity + 1));
    const PlatformHandle file = files.open_existing(name);
    ASSERT_NE(file, no_handle);
    EXPECT_EQ(read(file, 16).size(), 16u);
    char skip[memory_file_capacity];
    uint32_t count = 0;
    ASSERT_TRUE(files.read(file, skip, sizeof skip, &count));
    EXPECT_FALSE(files.write(file, "abcd", 4));
    files.close(file);
    EXPECT_EQ(content(), almost_full + "ab");
    memory_file_remove(name);
    EXPECT_EQ(content(), "(none)");
}

} // namespace
