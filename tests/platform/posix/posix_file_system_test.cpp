#include "platform/file_system.h"
#include "platform/posix/posix_file_system.h"

#include "calculator_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

namespace {

const char name[] = "Vidomat.ini";
const FileSystem& files = native_file_system;

class PosixFileSystem : public TemporaryFolderTest {
  protected:
    void TearDown() override {
        posix_file_system_set_folder(nullptr);
        TemporaryFolderTest::TearDown();
    }
    static void write_file(const std::string& bytes, const std::string& path = name) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string file_bytes(const std::string& path = name) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    static std::string read_all(PlatformHandle file, uint32_t size = 16) {
        char buffer[16] = {};
        uint32_t count = 99;
        EXPECT_TRUE(files.read(file, buffer, size, &count));
        return std::string(buffer, count);
    }
    static mode_t mode_of(const std::string& path) {
        struct stat status;
        return stat(path.c_str(), &status) == 0 ? status.st_mode : 0;
    }
};

TEST_F(PosixFileSystem, OpenExistingNeedsAPlainWritableFile) {
    EXPECT_EQ(files.open_existing(name), no_handle); // missing
    ASSERT_EQ(mkdir(name, 0755), 0);
    EXPECT_EQ(files.open_existing(name), no_handle); // a directory
    bool existed = true;
    EXPECT_EQ(files.open_always(name, &existed), no_handle);
    EXPECT_FALSE(existed);
    ASSERT_EQ(rmdir(name), 0);

    write_file("UD3\"");
    ASSERT_EQ(chmod(name, 0444), 0); // read-only, even for the superuser
    EXPECT_EQ(files.open_existing(name), no_handle);
    EXPECT_EQ(files.open_always(name, &existed), no_handle);
    EXPECT_FALSE(existed);
    ASSERT_EQ(chmod(name, 0644), 0);

    const PlatformHandle file = files.open_existing(name);
    ASSERT_NE(file, no_handle);
    EXPECT_EQ(read_all(file), "UD3\"");
    files.close(file);
    EXPECT_FALSE(files.seek_start(file)); // closed
}

TEST_F(PosixFileSystem, OpenAlwaysCreatesAndTellsWhetherTheFileWasThere) {
    bool existed = true;
    PlatformHandle file = files.open_always(name, &existed);
    ASSERT_NE(file, no_handle);
    EXPECT_FALSE(existed);
    EXPECT_EQ(read_all(file), ""); // empty: the read succeeds with no byte
    ASSERT_TRUE(files.write(file, "abcdef", 6));
    ASSERT_TRUE(files.seek_start(file));
    ASSERT_TRUE(files.write(file, "XY", 2)); // overwrites, keeps the rest
    ASSERT_TRUE(files.seek_start(file));
    EXPECT_EQ(read_all(file, 4), "XYcd");
    files.close(file);
    EXPECT_EQ(file_bytes(), "XYcdef");

    file = files.open_always(name, &existed);
    ASSERT_NE(file, no_handle);
    EXPECT_TRUE(existed);
    files.close(file);
}

// A settings folder such as $XDG_CONFIG_HOME/vidomat: the file lies there, and creating it
// makes the missing folders, for the owner only.
TEST_F(PosixFileSystem, TheSettingsFolderIsMadeWhenTheFileIsCreated) {
    const std::string folder = folder_ + "/config/vidomat";
    posix_file_system_set_folder((folder + "/").c_str());
    EXPECT_EQ(files.open_existing(name), no_handle);
    EXPECT_EQ(mode_of(folder_ + "/config"), 0u); // looking makes nothing

    bool existed = true;
    const PlatformHandle file = files.open_always(name, &existed);
    ASSERT_NE(file, no_handle);
    EXPECT_FALSE(existed);
    ASSERT_TRUE(files.write(file, "UD3\"", 4));
    files.close(file);
    EXPECT_EQ(file_bytes(folder + "/" + name), "UD3\"");
    EXPECT_EQ(mode_of(folder_ + "/config"), S_IFDIR | 0700);
    EXPECT_EQ(mode_of(folder), S_IFDIR | 0700);
    EXPECT_EQ(mode_of(name), 0u); // nothing in the working directory

    const PlatformHandle again = files.open_existing(name);
    ASSERT_NE(again, no_handle);
    EXPECT_EQ(read_all(again), "UD3\"");
    files.close(again);

    posix_file_system_set_folder(nullptr); // the working directory again
    EXPECT_EQ(files.open_existing(name), no_handle);
}

TEST_F(PosixFileSystem, AFolderThatCannotBeMadeFailsTheOpen) {
    write_file("a file, not a folder", "config");
    for (const std::string& folder : {folder_ + "/config", folder_ + "/config/vidomat"}) {
        SCOPED_TRACE(folder);
        posix_file_system_set_folder(folder.c_str());
        bool existed = true;
        EXPECT_EQ(files.open_always(name, &existed), no_handle);
        EXPECT_FALSE(existed);
        EXPECT_EQ(files.open_existing(name), no_handle);
    }
    EXPECT_EQ(file_bytes("config"), "a file, not a folder");
}

} // namespace
