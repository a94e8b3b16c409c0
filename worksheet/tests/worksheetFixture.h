// A fresh worksheet for every test, with every text it puts on the sheet
// and every load error it reports collected, and scratch files for the
// loader to read.
#ifndef QUORIN_WORKSHEET_TESTS_FIXTURE_H
#define QUORIN_WORKSHEET_TESTS_FIXTURE_H

#include "worksheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using sheetTexts = std::vector<std::string>;

// Collects what the worksheet tells; stopAfterTexts, when not 0, asks the
// work to stop once that many texts have been shown.
class recordingObserver : public worksheet::observer {
  public:
    void textShown(const char* text, std::size_t length, worksheet::textKind kind,
                   int loadDepth) override;
    void sheetChanged() override;
    void loadFailed(worksheet::inputPlace where, const char* reason) override;
    bool stopRequested() override;
    void workStopped(worksheet::inputPlace where) override;

    sheetTexts shown;
    std::vector<int> loadDepths;
    // Each as "input:line: reason" ("-" for a line outside any input).
    std::vector<std::string> loadErrors;
    std::vector<std::string> stops;
    int sheetChanges = 0;
    std::size_t stopAfterTexts = 0;
};

class worksheetTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // The texts shown since the last call, oldest first.
    sheetTexts takeSheet();
    std::vector<std::string> takeLoadErrors();
    // Runs each line through handleLine and returns what the sheet showed.
    sheetTexts run(const std::vector<std::string>& lines);
    // The texts the tallest sheet draws, top to bottom.
    sheetTexts visibleSheet() const;
    // Writes bytes (NULs included) to a file of this test's own folder and
    // returns its full path.
    std::string writeScratchFile(std::string_view name, std::string_view bytes);

    recordingObserver seen;
    worksheet::worksheetCore sheet{seen};

  private:
    std::filesystem::path scratchFolder;
};

#endif
