// The command branch of the line cycle.
#include "commands.h"

#include "QuorinDLL.h"
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

void worksheetCore::runCommand(const char* commandText) {
    const std::string_view command = commandText;
    if (command == "clear") {
        finalize();
        initialize();
        return;
    }
    if (const auto fileName = loadCommandFileName(command)) {
        startLoad(std::string(*fileName).c_str());
        return;
    }
    constexpr std::string_view illegalCommand = "# illegal command";
    showText(illegalCommand.data(), illegalCommand.size(), textKind::answer);
}

} // namespace worksheet
