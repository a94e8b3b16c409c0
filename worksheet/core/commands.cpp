// The command branch of the line cycle.
#include "commands.h"

#include "QuorinDLL.h"
#include "sheetLines.h"
#include "worksheet.h"

#include <algorithm>
#include <string>

namespace worksheet {

std::optional<std::string_view> loadCommandFileName(std::string_view commandText) {
    constexpr std::string_view loadWord = "load ";
    if (!commandText.starts_with(loadWord)) {
        return std::nullopt;
    }
    std::string_view rest = commandText.substr(loadWord.size());
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    if (!rest.starts_with('"')) {
        return std::nullopt;
    }
    rest.remove_prefix(1);
    const std::size_t closingQuote = rest.find('"');
    if (closingQuote == std::string_view::npos) {
        return std::nullopt;
    }
    return rest.substr(0, closingQuote);
}

void runCommand(const char* commandText) {
    const std::string_view command = commandText;
    if (command == "clear") {
        finalize();
        initialize();
        return;
    }
    if (const auto fileName = loadCommandFileName(command)) {
        // The command lies in a history slot that the file's own lines will
        // overwrite, so the name needs a copy of its own.
        const std::string ownName(*fileName);
        loadFile(ownName.c_str());
        return;
    }
    showLine("# illegal command", textKind::answer);
}

} // namespace worksheet
