// A calculator started on the in-memory dialog, in a fresh working folder of its own
// (the settings file lives there), so tests can run side by side.
#ifndef VIDOMAT_TESTS_CALCULATOR_FIXTURE_H
#define VIDOMAT_TESTS_CALCULATOR_FIXTURE_H

#include "dialog/dialog_procedure.h"
#include "engine/calculator_state.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

class TemporaryFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/vidomat-test-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder_ = name;
        ASSERT_EQ(chdir(folder_.c_str()), 0);
    }
    void TearDown() override {
        ASSERT_EQ(chdir("/"), 0);
        std::system(("rm -rf '" + folder_ + "'").c_str());
    }
    std::string folder_;
};

class CalculatorTest : public TemporaryFolderTest {
  protected:
    void SetUp() override {
        TemporaryFolderTest::SetUp();
        ASSERT_TRUE(start_calculator());
    }
    static std::string field(uint32_t id) {
        char text[256];
        platform_get_field_text(id, text, sizeof text);
        return text;
    }
};

#endif
