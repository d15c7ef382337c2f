// vidomat-calc and the settings file: without --settings nothing in the working folder is
// read or written; with it, the file is read as the start reads "Vidomat.ini" and is
// never written.
#include "calculator_fixture.h"
#include "program_run.h"
#include "remembered_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <set>
#include <string>
#include <sys/stat.h>

namespace {

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::set<std::string> folder_entries(const std::string& folder) {
    std::set<std::string> names;
    DIR* const directory = opendir(folder.c_str());
    while (const dirent* const entry = readdir(directory)) {
        names.insert(entry->d_name);
    }
    closedir(directory);
    return names;
}

using SettingsFileTest = TemporaryFolderTest;

// 13 GB = 105 920 000 000 bit: (105 270 160 000 / 3 600 - 96 000) * 0,9991 = 29 119 479;
// back: (29 145 710 + 96 000) * 3 600 + 649 840 000 = 105 919 996 000 bit.
TEST_F(SettingsFileTest, ARememberedStateIsReadAndTheFileStaysAsItWas) {
    write_file("mine.ini", remembered_record());
    const ProgramRun run = run_calc({"--settings", "mine.ini"}, folder_);
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* line :
         {"Ausgabeformat: frei\n", "Medium: 13 GB\n", "Audio-Datenrate: 96 000 b/s\n",
          "Video-Datenrate: 29 119 479 b/s\n", "resultierende Datenmenge: 13 239 999 500 B\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << " in:\n" << run.out;
    }
    EXPECT_EQ(read_whole_file("mine.ini"), remembered_record());
    EXPECT_EQ(folder_entries(folder_), (std::set<std::string>{".", "..", "mine.ini"}));
}

TEST_F(SettingsFileTest, AFileThatHoldsNoRecordEndsWithStatus66) {
    const struct {
        const char* what;
        std::string bytes;
        const char* message;
    } files[] = {
        {"foreign", "MZ" + std::string(298, '\x01'), "Fehler beim Laden der Ini-Datei (1)!"},
        {"empty", "", "leer"},
    };
    for (const auto& file : files) {
        write_file("settings.ini", file.bytes);
        const ProgramRun run = run_calc({"--settings", "settings.ini", "--json"}, folder_);
        EXPECT_EQ(run.status, 66) << file.what;
        EXPECT_EQ(run.out, "") << file.what;
        EXPECT_NE(run.err.find(file.message), std::string::npos) << file.what << ": " << run.err;
        EXPECT_EQ(read_whole_file("settings.ini"), file.bytes) << file.what;
    }
}

// A folder or a pipe named by mistake is refused at once, not waited on.
TEST_F(SettingsFileTest, WhatIsNoPlainFileEndsWithStatus66) {
    ASSERT_EQ(mkdir("folder", 0700), 0);
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    for (const char* name : {"folder", "pipe", "missing.ini"}) {
        const ProgramRun run = run_calc({"--settings", name}, folder_);
        EXPECT_EQ(run.status, 66) << name;
        EXPECT_NE(run.err.find(std::string("„") + name + "“ kann nicht gelesen werden"),
                  std::string::npos)
            << run.err;
    }
}

TEST_F(SettingsFileTest, WithoutTheOptionTheWorkingFolderIsNeitherReadNorWritten) {
    write_file("Vidomat.ini", remembered_record());
    const ProgramRun run = run_calc({"--medium", "8,5 GB"}, folder_);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Ausgabeformat: DVD\nMedium: 8,5 GB\n"), std::string::npos) << run.out;
    EXPECT_EQ(read_whole_file("Vidomat.ini"), remembered_record());
    EXPECT_EQ(folder_entries(folder_), (std::set<std::string>{".", "..", "Vidomat.ini"}));
}

} // namespace
