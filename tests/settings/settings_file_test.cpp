// The settings file under faults: every file operation failing in turn at the start and
// at the close, a read-only file, a folder in its place, a file that another program
// changes while the calculator runs, and a full disk. In every case the calculator
// starts and ends normally and says what went wrong; it never changes a file that it
// did not take at the start, and never leaves a half-written record where a good one was.
#include "calculator_fixture.h"
#include "dialog/dialog_procedure.h"
#include "engine/calculator_state.h"
#include "platform/fault/fault_file_system.h"
#include "platform/memory/memory_dialog.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

const char load_foreign[] = "Fehler beim Laden der Ini-Datei (1)!";
const char load_unreadable[] = "Fehler beim Laden der Ini-Datei (2)!";
const char save_question[] = "Fehler beim Speichern der Ini-Datei !";
const char save_refused[] = "Fehler beim Speichern der Ini-Datei (2) !";
const char save_failed[] = "Fehler beim Speichern der Ini-Datei (1) !";

constexpr uint32_t ok_style = box_ok | box_task_modal;
constexpr uint32_t question_style =
    box_yes_no | box_icon_question | box_default_button2 | box_task_modal;

constexpr uint32_t stored_flags = initial_mode_flags | length_as_time;
// The audio rate in Kb: units other than those of the encoder preset keep edit_state
// from being reset, so the start's settings_loaded bit stays until the close.
constexpr uint32_t stored_flags_kb = stored_flags | 1u << audio_prefix_shift;

// A record as the calculator writes it, with values that differ from the initial ones:
// 96 000 b/s audio, 2 hours, 3 chapters, the length shown as time.
std::string stored_record(uint32_t flags = stored_flags, uint32_t audio_rate = 96000,
                          uint32_t chapters = 3, uint32_t seconds = 7200) {
    std::string record(settings_record_size, '\0');
    auto put = [&record](uint32_t offset, uint64_t value, uint32_t width) {
        for (uint32_t i = 0; i < width; ++i) {
            record[offset + i] = static_cast<char>(value >> (8 * i));
        }
    };
    record.replace(0, 4, "\x55\x44\x33\x22");
    put(record_mode_flags, flags, 4);
    put(record_max_size_bits, 37624000000u, 8);
    put(record_audio_rate, audio_rate, 4);
    put(record_video_rate, 10000000, 4);
    put(record_length_seconds, seconds, 4);
    record.replace(record_description, 41, "Inidatei f\xFCr Bitraten-Berechnungsprogramm");
    put(record_length_frames, seconds * 25, 8);
    put(record_factor_num, 9991, 4);
    put(record_factor_den, 10000, 4);
    put(record_chapter_count, chapters, 4);
    const char* const media[4] = {"4,7 GB", "700 MB / 80 Min.", "700 MB / 80 Min.", "4,7 GB"};
    for (uint32_t format = 0; format < 4; ++format) {
        record.replace(record_media_choice + format * media_choice_size, std::strlen(media[format]),
                       media[format]);
    }
    return record;
}

const std::string foreign_file = "[Vidomat]\r\nAudio=96000\r\n";

class SettingsFile : public TemporaryFolderTest {
  protected:
    void SetUp() override {
        TemporaryFolderTest::SetUp();
        begin_case();
    }
    // A case of a table starts without a file and counts messages from here on.
    void begin_case() {
        std::remove(settings_file_name);
        messages_before_ = memory_message_count();
    }

    static void write_file(const std::string& bytes) {
        std::ofstream(settings_file_name, std::ios::binary | std::ios::trunc) << bytes;
    }
    static bool file_exists() {
        struct stat status;
        return stat(settings_file_name, &status) == 0;
    }
    static std::string file_bytes() {
        std::ifstream file(settings_file_name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    // A run of the calculator: start, what the user does, close with Escape.
    static void run(const std::function<void()>& while_running = [] {}) {
        ASSERT_TRUE(start_calculator());
        ASSERT_TRUE(memory_dialog_shown());
        while_running();
        memory_key_escape();
        EXPECT_FALSE(memory_running());
        EXPECT_TRUE(memory_dialog_ended());
        EXPECT_EQ(memory_exit_code(), 0u);
    }

    // The file holds the record of the state at the close: the length changed by the
    // user, the rest as the stored record brought it (the video rate recomputed).
    static void expect_record_of_the_close(uint32_t flags = stored_flags) {
        std::string expected = stored_record(flags, 96000, 3, 3600);
        for (uint32_t i = 0; i < 4; ++i) {
            expected[record_video_rate + i] = static_cast<char>(calc.video_rate >> (8 * i));
        }
        EXPECT_EQ(file_bytes(), expected);
    }

    // The messages shown since the case began, with their caption and style.
    void expect_messages(const std::vector<std::string>& texts) const {
        ASSERT_EQ(memory_message_count() - messages_before_, texts.size());
        for (uint32_t i = 0; i < texts.size(); ++i) {
            const MemoryMessageBox& box = memory_message(messages_before_ + i);
            EXPECT_EQ(box.text, texts[i]);
            EXPECT_EQ(box.caption, "FEHLER !");
            EXPECT_EQ(box.style, texts[i] == save_question ? question_style : ok_style);
        }
    }

    uint32_t messages_before() const {
        return messages_before_;
    }

  private:
    uint32_t messages_before_ = 0;
};

// The user changes the length to one hour, so that a save would change the file.
void change_a_value() {
    memory_replace(field_length, "1:00:00");
    memory_key_enter();
}

TEST_F(SettingsFile, AGoodRecordComesBackAndTheCloseWritesTheStateShown) {
    write_file(stored_record());
    run([] {
        EXPECT_EQ(calc.audio_rate, 96000u);
        EXPECT_EQ(calc.length_seconds, 7200u);
        EXPECT_EQ(calc.chapter_count, 3u);
        change_a_value();
    });
    expect_messages({});
    expect_record_of_the_close();
}

// A file that the start could not take is left as it was, whatever its content. Before
// the mend, a good record whose open or read failed only at the start was overwritten at
// the close with the initial values.
TEST_F(SettingsFile, AFileNotTakenAtTheStartIsNeverChanged) {
    const struct {
        const char* name;
        std::string content;
        std::function<void()> prepare;
        std::vector<std::string> messages;
    } cases[] = {
        {"open fails at the start", stored_record(), fault_fail_next_open, {save_refused}},
        {"read fails at the start",
         stored_record(),
         fault_fail_next_read,
         {load_unreadable, save_refused}},
        {"foreign, answered no", foreign_file, [] {}, {load_foreign, save_question, save_refused}},
        {"foreign, answered yes",
         foreign_file,
         [] { memory_answer_next_yes_no(true); },
         {load_foreign, save_question, save_refused}},
        {"three bytes of the magic",
         "\x55\x44\x33",
         [] {},
         {load_foreign, save_question, save_refused}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        begin_case();
        write_file(c.content);
        c.prepare();
        run([] {
            EXPECT_EQ(calc.length_seconds, 3600u); // nothing restored
            change_a_value();
        });
        expect_messages(c.messages);
        EXPECT_EQ(file_bytes(), c.content);
    }
}

TEST_F(SettingsFile, AReadOnlyFileIsNeitherRestoredNorWritten) {
    write_file(stored_record());
    ASSERT_EQ(chmod(settings_file_name, 0444), 0);
    run([] {
        EXPECT_EQ(calc.length_seconds, 3600u);
        change_a_value();
    });
    expect_messages({save_refused});
    EXPECT_EQ(file_bytes(), stored_record());
}

TEST_F(SettingsFile, AFolderInThePlaceOfTheFileStaysAnEmptyFolder) {
    ASSERT_EQ(mkdir(settings_file_name, 0755), 0);
    run(change_a_value);
    expect_messages({save_refused});
    struct stat status;
    ASSERT_EQ(stat(settings_file_name, &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(rmdir(settings_file_name), 0); // still empty
}

TEST_F(SettingsFile, FailuresAtTheCloseKeepTheRecordThatWasThere) {
    const struct {
        const char* name;
        std::function<void()> prepare;
        std::vector<std::string> messages;
    } cases[] = {
        {"check read fails", fault_fail_next_read, {save_question, save_refused}},
        {"write fails", fault_fail_next_write, {save_failed}},
        // A full disk: the write stops partway. Before the mend, a mix of the new and the
        // old record stayed behind.
        {"write stops after 3 bytes", [] { fault_fail_next_write_after(3); }, {save_failed}},
        {"write stops after 100 bytes", [] { fault_fail_next_write_after(100); }, {save_failed}},
        {"write stops after 299 bytes", [] { fault_fail_next_write_after(299); }, {save_failed}},
    };
    const std::string tail = "bytes past the record";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        begin_case();
        write_file(stored_record() + tail);
        run([&c] {
            change_a_value();
            c.prepare();
        });
        expect_messages(c.messages);
        EXPECT_EQ(file_bytes(), stored_record() + tail);
    }
}

TEST_F(SettingsFile, WithoutAFileAFailedCloseLeavesNoHalfRecord) {
    {
        SCOPED_TRACE("open fails");
        fault_fail_next_open();
        run([] { fault_fail_next_open(); }); // the start finds no file anyway
        expect_messages({save_refused});
        EXPECT_FALSE(file_exists());
    }
    {
        SCOPED_TRACE("nothing written: the file created stays empty");
        run([] { fault_fail_next_write(); });
        expect_messages({save_refused, save_failed});
        EXPECT_EQ(file_bytes(), "");
    }
    {
        SCOPED_TRACE("the write stops partway: a record that restores nothing");
        ASSERT_EQ(std::remove(settings_file_name), 0);
        run([] {
            change_a_value();
            fault_fail_next_write_after(150);
        });
        expect_messages({save_refused, save_failed, save_failed});
        const std::string content = file_bytes();
        EXPECT_EQ(content, std::string("\x55\x44\x33\x22") + std::string(296, '\0'));
        run([] { EXPECT_EQ(calc.audio_rate, 224000u); }); // taken, nothing restored
        expect_messages({save_refused, save_failed, save_failed});
        EXPECT_EQ(file_bytes().substr(0, 4), "\x55\x44\x33\x22");
        EXPECT_EQ(file_bytes().size(), settings_record_size);
    }
}

// Another program writes the file while the calculator holds it open. The close looks at
// the file again: it writes its own whole record over another record, and never over
// anything else. Before the mend, a run whose units kept settings_loaded wrote over
// whatever the file held by then.
TEST_F(SettingsFile, AFileChangedWhileTheCalculatorRuns) {
    const std::string other_record = stored_record(stored_flags, 64000, 77);
    const struct {
        const char* name;
        std::string written_meanwhile;
        std::function<void()> prepare_close;
        std::vector<std::string> messages;
        bool written; // the file holds the record of the close, else what was written meanwhile
    } cases[] = {
        {"now foreign", foreign_file, [] {}, {save_question, save_refused}, false},
        {"another record", other_record, [] {}, {}, true},
        {"cut to a few bytes", other_record.substr(0, 10), [] {}, {}, true},
        {"emptied", "", [] {}, {}, true},
        {"another record, then the disk is full",
         other_record,
         [] { fault_fail_next_write_after(100); },
         {save_failed},
         false},
    };
    for (const uint32_t flags : {stored_flags, stored_flags_kb}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name + std::string(flags == stored_flags ? "" : ", audio in Kb"));
            begin_case();
            write_file(stored_record(flags));
            run([&c] {
                change_a_value();
                write_file(c.written_meanwhile);
                c.prepare_close();
            });
            expect_messages(c.messages);
            if (c.written) {
                expect_record_of_the_close(flags);
            } else {
                EXPECT_EQ(file_bytes(), c.written_meanwhile);
            }
        }
    }
}

TEST_F(SettingsFile, AnEmptyFileTakenAtTheStartStaysEmptyWhenNothingCouldBeWritten) {
    write_file("");
    run([] {
        change_a_value();
        fault_fail_next_write();
    });
    expect_messages({save_failed});
    EXPECT_EQ(file_bytes(), "");
}

} // namespace

// Every file operation of a start and a close fails in turn, for each kind of file the
// start may find; a write also stops after a few of its bytes, as on a full disk. The
// calculator always starts and ends, and the file holds either what it held before or
// the whole record of the close, never a mix of the two; a file that did not get the
// record was reported. A foreign or read-only file never changes.
TEST_F(SettingsFile, EveryFileOperationFailingInTurnLeavesTheOldFileOrTheNewRecord) {
    const std::string magic = "\x55\x44\x33\x22";
    const struct {
        const char* name;
        bool exists;
        std::string content;
        bool read_only;
    } starts[] = {
        {"none", false, "", false},
        {"empty", true, "", false},
        {"short", true, stored_record().substr(0, 40), false},
        {"good", true, stored_record(), false},
        {"foreign", true, foreign_file, false},
        {"longer than 300 bytes", true, stored_record() + "bytes past the record", false},
        {"read-only", true, stored_record(), true},
    };
    // 0: the operation fails outright; else a write that stops after so many bytes.
    const uint32_t bytes_before_failure[] = {0, 1, 4, 150, 299};

    for (const auto& start : starts) {
        const auto prepare = [&start, this] {
            begin_case();
            if (start.exists) {
                write_file(start.content);
            }
            if (start.read_only) {
                ASSERT_EQ(chmod(settings_file_name, 0444), 0);
            }
        };
        // Whatever happens, these keep their bytes.
        const bool must_stay = start.read_only || start.content == foreign_file;
        // The file as the calculator reads the old one: its bytes, zero up to the record's
        // size; a missing or empty file reads as a record that restores nothing.
        std::string old_as_record = start.content.empty() ? magic : start.content;
        old_as_record.resize(std::max<size_t>(old_as_record.size(), settings_record_size), '\0');

        prepare();
        const uint32_t operations_before = fault_operation_count();
        run(change_a_value);
        const uint32_t operations = fault_operation_count() - operations_before;
        const std::string new_content = file_bytes();
        ASSERT_GE(operations, 2u) << start.name; // at least the two opens
        if (!must_stay) { // without a failure: a whole record, and what lay past it
            EXPECT_EQ(new_content.substr(0, 4), magic) << start.name;
            EXPECT_EQ(new_content.size(), old_as_record.size()) << start.name;
            EXPECT_EQ(new_content.substr(settings_record_size),
                      old_as_record.substr(settings_record_size))
                << start.name;
        }

        for (uint32_t n = 1; n <= operations; ++n) {
            for (const uint32_t bytes : bytes_before_failure) {
                SCOPED_TRACE(std::string(start.name) + ", operation " + std::to_string(n) +
                             " fails after " + std::to_string(bytes) + " bytes");
                prepare();
                fault_fail_operation_after(n, bytes);
                run(change_a_value);
                fault_clear(); // in case the run took another road and never came to it
                const bool exists = file_exists();
                const std::string now = file_bytes();
                if (must_stay || !exists) {
                    EXPECT_EQ(exists, start.exists);
                    EXPECT_EQ(now, start.content);
                } else {
                    EXPECT_TRUE(now == start.content || now == old_as_record || now == new_content)
                        << "a mix: " << now.size() << " bytes";
                }
                if (!(exists && now == new_content)) {
                    EXPECT_GT(memory_message_count(), messages_before()) << "not reported";
                }
            }
        }
    }
}
