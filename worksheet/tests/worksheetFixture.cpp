#include "worksheetFixture.h"

#include <algorithm>
#include <fstream>

namespace {

std::string placeText(worksheet::inputPlace where) {
    return std::string(where.inputName != nullptr ? where.inputName : "-") + ":" +
           std::to_string(where.lineNumber);
}

} // namespace

void recordingObserver::textShown(const char* text, std::size_t length, worksheet::textKind,
                                  int loadDepth) {
    shown.emplace_back(text, length);
    loadDepths.push_back(loadDepth);
}

void recordingObserver::sheetChanged() {
    ++sheetChanges;
}

void recordingObserver::loadFailed(worksheet::inputPlace where, const char* reason) {
    loadErrors.push_back(placeText(where) + ": " + reason);
}

bool recordingObserver::stopRequested() {
    return stopAfterTexts != 0 && shown.size() >= stopAfterTexts;
}

void recordingObserver::workStopped(worksheet::inputPlace where) {
    stops.push_back(placeText(where));
}

void worksheetTest::TearDown() {
    if (!scratchFolder.empty()) {
        std::filesystem::remove_all(scratchFolder);
    }
}

sheetTexts worksheetTest::takeSheet() {
    seen.loadDepths.clear();
    return std::exchange(seen.shown, {});
}

std::vector<std::string> worksheetTest::takeLoadErrors() {
    return std::exchange(seen.loadErrors, {});
}

sheetTexts worksheetTest::run(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        sheet.handleLine(line);
    }
    return takeSheet();
}

sheetTexts worksheetTest::visibleSheet() const {
    const char* texts[worksheet::maxVisibleTexts];
    const int count = sheet.visibleTexts(1000000, 1, texts);
    return sheetTexts(texts, texts + count);
}

std::string worksheetTest::writeScratchFile(std::string_view name, std::string_view bytes) {
    if (scratchFolder.empty()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string folderName =
            std::string("quorin-") + test->test_suite_name() + "-" + test->name();
        // Parameterised tests have a "/" in their names.
        std::replace(folderName.begin(), folderName.end(), '/', '-');
        scratchFolder = std::filesystem::temp_directory_path() / folderName;
        std::filesystem::create_directories(scratchFolder);
    }
    const std::filesystem::path path = scratchFolder / name;
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}
