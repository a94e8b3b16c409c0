#include "worksheetFixture.h"

#include <algorithm>
#include <fstream>

namespace {

sheetTexts shown;
std::vector<std::string> loadErrors;

void collect(const char* text, std::size_t length, worksheet::textKind) {
    shown.emplace_back(text, length);
}

void collectLoadError(const char* inputName, long lineNumber, const char* reason) {
    loadErrors.push_back(std::string(inputName != nullptr ? inputName : "-") + ":" +
                         std::to_string(lineNumber) + ": " + reason);
}

} // namespace

void worksheetTest::SetUp() {
    shown.clear();
    loadErrors.clear();
    worksheet::setLineObserver(collect);
    worksheet::setLoadErrorObserver(collectLoadError);
    worksheet::startEngine();
}

void worksheetTest::TearDown() {
    worksheet::stopEngine();
    worksheet::setLineObserver(nullptr);
    worksheet::setLoadErrorObserver(nullptr);
    if (!scratchFolder.empty()) {
        std::filesystem::remove_all(scratchFolder);
    }
}

sheetTexts worksheetTest::takeSheet() {
    sheetTexts taken;
    taken.swap(shown);
    return taken;
}

std::vector<std::string> worksheetTest::takeLoadErrors() {
    std::vector<std::string> taken;
    taken.swap(loadErrors);
    return taken;
}

sheetTexts worksheetTest::run(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        worksheet::handleLine(line.c_str());
    }
    return takeSheet();
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
