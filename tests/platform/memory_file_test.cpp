#include "platform/memory/memory_dialog.h"
#include "platform/memory/memory_file.h"
#include "platform/platform.h"

#include "calculator_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

namespace {

const char name[] = "Vidomat.ini";

class MemoryFile : public TemporaryFolderTest {
  protected:
    static void write_file(const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string file_bytes() {
        std::ifstream file(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    static std::string read_all(PlatformHandle file, uint32_t size = 16) {
        char buffer[16] = {};
        uint32_t count = 99;
        EXPECT_TRUE(platform_file_read(file, buffer, size, &count));
        return std::string(buffer, count);
    }
};

TEST_F(MemoryFile, OpenExistingNeedsAPlainWritableFile) {
    EXPECT_EQ(platform_file_open_existing(name), no_handle); // missing
    ASSERT_EQ(mkdir(name, 0755), 0);
    EXPECT_EQ(platform_file_open_existing(name), no_handle); // a directory
    bool existed = true;
    EXPECT_EQ(platform_file_open_always(name, &existed), no_handle);
    EXPECT_FALSE(existed);
    ASSERT_EQ(rmdir(name), 0);

    write_file("UD3\"");
    ASSERT_EQ(chmod(name, 0444), 0); // read-only, even for the superuser
    EXPECT_EQ(platform_file_open_existing(name), no_handle);
    EXPECT_EQ(platform_file_open_always(name, &existed), no_handle);
    EXPECT_FALSE(existed);
    ASSERT_EQ(chmod(name, 0644), 0);

    const PlatformHandle file = platform_file_open_existing(name);
    ASSERT_NE(file, no_handle);
    EXPECT_EQ(read_all(file), "UD3\"");
    platform_file_close(file);
}

TEST_F(MemoryFile, OpenAlwaysCreatesAndTellsWhetherTheFileWasThere) {
    bool existed = true;
    PlatformHandle file = platform_file_open_always(name, &existed);
    ASSERT_NE(file, no_handle);
    EXPECT_FALSE(existed);
    EXPECT_EQ(read_all(file), ""); // empty: the read succeeds with no byte
    ASSERT_TRUE(platform_file_write(file, "abcdef", 6));
    ASSERT_TRUE(platform_file_seek_start(file));
    ASSERT_TRUE(platform_file_write(file, "XY", 2)); // overwrites, keeps the rest
    ASSERT_TRUE(platform_file_seek_start(file));
    EXPECT_EQ(read_all(file, 4), "XYcd");
    platform_file_close(file);
    EXPECT_EQ(file_bytes(), "XYcdef");

    file = platform_file_open_always(name, &existed);
    ASSERT_NE(file, no_handle);
    EXPECT_TRUE(existed);
    platform_file_close(file);
}

TEST_F(MemoryFile, InjectedFailuresStrikeOnceWheneverTheOperationComes) {
    write_file("0123456789");
    memory_fail_next_open();
    memory_reset(); // a restart keeps what is pending
    bool existed = true;
    EXPECT_EQ(platform_file_open_always(name, &existed), no_handle);
    EXPECT_FALSE(existed);
    const PlatformHandle file = platform_file_open_existing(name);
    ASSERT_NE(file, no_handle);

    memory_fail_next_read();
    memory_fail_next_write();
    char buffer[4] = {};
    uint32_t count = 99;
    EXPECT_FALSE(platform_file_read(file, buffer, sizeof buffer, &count));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(read_all(file, 4), "0123"); // the failed read consumed nothing
    EXPECT_FALSE(platform_file_write(file, "ab", 2));
    EXPECT_EQ(file_bytes(), "0123456789"); // a failed write writes nothing
    EXPECT_TRUE(platform_file_write(file, "ab", 2));
    EXPECT_EQ(file_bytes(), "0123ab6789");

    memory_fail_next_write_after(3); // a full disk: the write stops partway
    EXPECT_FALSE(platform_file_write(file, "vwxyz", 5));
    EXPECT_EQ(file_bytes(), "0123abvwx9");
    EXPECT_TRUE(platform_file_write(file, "!", 1)); // the next one goes through
    EXPECT_EQ(file_bytes(), "0123abvwx!");

    memory_close_files(); // as at the end of a process
    EXPECT_FALSE(platform_file_seek_start(file));
}

} // namespace
