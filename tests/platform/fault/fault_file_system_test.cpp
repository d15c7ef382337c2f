#include "platform/fault/fault_file_system.h"
#include "platform/file_system.h"
#include "platform/memory/memory_dialog.h"

#include "calculator_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

const char name[] = "Vidomat.ini";

class FaultFileSystem : public TemporaryFolderTest {
  protected:
    void SetUp() override {
        TemporaryFolderTest::SetUp();
        memory_reset(); // the in-memory platform's files go through the layer
        std::ofstream(name, std::ios::binary) << "0123456789";
    }
    void TearDown() override {
        fault_clear();
        memory_reset();
        TemporaryFolderTest::TearDown();
    }
    static std::string file_bytes() {
        std::ifstream file(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    static std::string read_all(PlatformHandle file, uint32_t size) {
        char buffer[16] = {};
        uint32_t count = 99;
        EXPECT_TRUE(platform_file_read(file, buffer, size, &count));
        return std::string(buffer, count);
    }
};

TEST_F(FaultFileSystem, InjectedFailuresStrikeOnceWheneverTheOperationComes) {
    fault_fail_next_open();
    memory_reset(); // a restart keeps what is pending
    bool existed = true;
    EXPECT_EQ(platform_file_open_always(name, &existed), no_handle);
    EXPECT_FALSE(existed);
    const PlatformHandle file = platform_file_open_existing(name);
    ASSERT_NE(file, no_handle);

    fault_fail_next_read();
    fault_fail_next_write();
    char buffer[4] = {};
    uint32_t count = 99;
    EXPECT_FALSE(platform_file_read(file, buffer, sizeof buffer, &count));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(read_all(file, 4), "0123"); // the failed read consumed nothing
    EXPECT_FALSE(platform_file_write(file, "ab", 2));
    EXPECT_EQ(file_bytes(), "0123456789"); // a failed write writes nothing
    EXPECT_TRUE(platform_file_write(file, "ab", 2));
    EXPECT_EQ(file_bytes(), "0123ab6789");

    fault_fail_next_write_after(3); // a full disk: the write stops partway
    EXPECT_FALSE(platform_file_write(file, "vwxyz", 5));
    EXPECT_EQ(file_bytes(), "0123abvwx9");
    EXPECT_TRUE(platform_file_write(file, "!", 1)); // the next one goes through
    EXPECT_EQ(file_bytes(), "0123abvwx!");

    memory_reset(); // as at the end of a process
    EXPECT_FALSE(platform_file_seek_start(file));
}

// Each operation of open, seek, read, write and close fails in turn by its number; the
// others go through.
TEST_F(FaultFileSystem, TheNthOperationFailsWhateverItIs) {
    const uint32_t before = fault_operation_count();
    const struct {
        const char* failing;
        std::string content_after;
    } cases[] = {
        {"open", "0123456789"},
        {"seek", "01ab456789"}, // the file opens at its start anyway
        {"read", "ab23456789"}, // nothing read: the write goes to the start
        {"write", "0123456789"},
        {"close", "01ab456789"}, // the file stays open until the process ends
    };
    for (uint32_t n = 1; n <= 5; ++n) {
        const auto& c = cases[n - 1];
        SCOPED_TRACE(c.failing);
        std::ofstream(name, std::ios::binary | std::ios::trunc) << "0123456789";
        fault_fail_operation(n);
        const PlatformHandle file = platform_file_open_existing(name);
        if (n == 1) {
            EXPECT_EQ(file, no_handle);
            continue;
        }
        ASSERT_NE(file, no_handle);
        EXPECT_EQ(platform_file_seek_start(file), n != 2);
        char buffer[2] = {};
        uint32_t count = 99;
        EXPECT_EQ(platform_file_read(file, buffer, 2, &count), n != 3);
        EXPECT_EQ(count, n == 3 ? 0u : 2u);
        EXPECT_EQ(platform_file_write(file, "ab", 2), n != 4);
        platform_file_close(file);
        EXPECT_EQ(file_bytes(), c.content_after);
        EXPECT_EQ(platform_file_seek_start(file), n == 5);
        memory_reset();
        EXPECT_FALSE(platform_file_seek_start(file));
    }
    EXPECT_EQ(fault_operation_count() - before, 1u + 4 * 7); // every one counted
}

TEST_F(FaultFileSystem, TheNthOperationCanBeAWriteThatStopsPartway) {
    const PlatformHandle file = platform_file_open_existing(name);
    ASSERT_NE(file, no_handle);
    fault_fail_operation_after(2, 3);
    EXPECT_TRUE(platform_file_write(file, "abc", 3));
    EXPECT_FALSE(platform_file_write(file, "vwxyz", 5));
    EXPECT_EQ(file_bytes(), "abcvwx6789");

    fault_fail_operation_after(1, 3); // a read fails as ever
    uint32_t count = 99;
    char buffer[2];
    EXPECT_FALSE(platform_file_read(file, buffer, 2, &count));
    EXPECT_EQ(count, 0u);

    fault_fail_operation(3);
    fault_clear(); // nothing pending any more
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(platform_file_seek_start(file));
    }
    platform_file_close(file);
}

} // namespace
