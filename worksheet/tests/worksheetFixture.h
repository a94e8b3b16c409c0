// A fresh worksheet for every test, with every text it puts on the sheet
// and every load error it reports collected, and scratch files for the loader to read.
#ifndef QUORIN_WORKSHEET_TESTS_FIXTURE_H
#define QUORIN_WORKSHEET_TESTS_FIXTURE_H

#include "worksheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using sheetTexts = std::vector<std::string>;

class worksheetTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The texts shown since the last call, oldest first.
    static sheetTexts takeSheet();
    // The load errors reported since the last call, each as "input:line:
    // reason" ("-" for a line outside any input).
    static std::vector<std::string> takeLoadErrors();
    // Runs each line through handleLine and returns what the sheet showed.
    static sheetTexts run(const std::vector<std::string>& lines);
    // Writes bytes (NULs included) to a file of this test's own folder and
    // returns its full path.
    std::string writeScratchFile(std::string_view name, std::string_view bytes);

  private:
    std::filesystem::path scratchFolder;
};

#endif
