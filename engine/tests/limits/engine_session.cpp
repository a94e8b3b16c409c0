#include "engine_session.h"

#include "QuorinDLL.h"

void engineSession::SetUp() {
    initialize();
}

void engineSession::TearDown() {
    finalize();
}

guardedCall engineSession::run(const std::string& line) {
    guardedCall call = callEngine(line);
    EXPECT_EQ(call.fault, "") << "line: " << describe(line);
    return call;
}

void engineSession::expectAnswer(const std::string& line, const std::string& answer) {
    guardedCall call = run(line);
    EXPECT_EQ(call.returned, 1) << "line: " << describe(line) << "\nerror: " << call.error;
    EXPECT_EQ(call.result, answer) << "line: " << describe(line);
}

void engineSession::expectError(const std::string& line, const std::string& message) {
    guardedCall call = run(line);
    EXPECT_EQ(call.returned, 0) << "line: " << describe(line)
                                << "\nresult: " << describe(call.result);
    EXPECT_EQ(call.error, message) << "line: " << describe(line);
}

guardedCall engineSession::expectAnswerOrError(const std::string& line) {
    guardedCall call = run(line);
    if (call.returned == 1) {
        EXPECT_EQ(call.result.rfind("[ans = ", 0), 0u) << "line: " << describe(line);
    } else {
        EXPECT_NE(call.error, "") << "line: " << describe(line);
    }
    return call;
}

void engineSession::expectEngineStillWorks() {
    expectAnswer("1+2", "[ans = 3]");
}

std::string describe(const std::string& line) {
    constexpr std::size_t shown = 60;
    if (line.size() <= shown) return "'" + line + "'";
    return "'" + line.substr(0, shown) + "...' (" + std::to_string(line.size()) + " bytes)";
}

std::string repeated(const std::string& piece, int times) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}
