// quorin driven live, as another program or a person drives it: through
// pipes, reading each answer before writing the next line, and at a
// terminal with the keys a person presses.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <pty.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Generous: sanitizer builds on a busy machine are slow.
constexpr int answerWaitMilliseconds = 30000;
constexpr int exitPollMilliseconds = 10;

constexpr std::string_view upKey = "\033[A";
constexpr std::string_view downKey = "\033[B";
constexpr std::string_view returnKey = "\r";
constexpr std::string_view endOfInputKey = "\004";
constexpr std::string_view interruptKey = "\003";
constexpr std::string_view prompt = "> ";

// Standard input, output and error each through a pipe of its own, or all
// three on one pseudo-terminal, as in a terminal window.
enum class connection { pipes, terminal };

// A running quorin and the test's ends of its standard streams.
class quorinProcess {
  public:
    explicit quorinProcess(connection through, const char* option = nullptr) {
        if (through == connection::pipes) {
            startThroughPipes(option);
        } else {
            startAtTerminal(option);
        }
    }

    ~quorinProcess() {
        if (child > 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        for (const int descriptor : {toInput, fromOutput, fromErrors}) {
            close(descriptor);
        }
    }

    quorinProcess(const quorinProcess&) = delete;
    quorinProcess& operator=(const quorinProcess&) = delete;

    // Waits for the prompt and for the line editor to take the terminal:
    // keys that come before it would be the terminal's own, and ^D would
    // end no input.
    void awaitPrompt() {
        outputUntil(prompt);
        termios settings;
        for (int waited = 0; tcgetattr(toInput, &settings) == 0 && (settings.c_lflag & ICANON);
             waited += exitPollMilliseconds) {
            if (waited >= answerWaitMilliseconds) {
                ADD_FAILURE() << "the line editor never took the terminal";
                return;
            }
            usleep(exitPollMilliseconds * 1000);
        }
    }

    void type(std::string_view keys) const {
        while (!keys.empty()) {
            const ssize_t written = write(toInput, keys.data(), keys.size());
            ASSERT_GT(written, 0);
            keys.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void endInput() {
        close(toInput);
        toInput = -1;
    }

    // Reads standard output until it has brought expected; returns all it
    // brought up to expected's end. Fails when expected does not come in time.
    std::string outputUntil(std::string_view expected) {
        return readUntil(fromOutput, outputSoFar, expected);
    }
    std::string errorsUntil(std::string_view expected) {
        return readUntil(fromErrors, errorsSoFar, expected);
    }

    // The exit status once quorin has ended; -1 when it does not end in
    // time (it is then killed) or ends by a signal.
    int exitStatus() {
        const int status = waitForEnd();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The signal that ended quorin; 0 when it exited or did not end.
    int endingSignal() {
        const int status = waitForEnd();
        return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }

    void signal(int signalNumber) const { kill(child, signalNumber); }

  private:
    int waitForEnd() {
        int status = 0;
        for (int waited = 0; waitpid(child, &status, WNOHANG) == 0;
             waited += exitPollMilliseconds) {
            if (waited >= answerWaitMilliseconds) {
                ADD_FAILURE() << "quorin did not end; after the last wait there came:\n"
                              << outputSoFar << readWhatCame(fromOutput);
                return 0;
            }
            usleep(exitPollMilliseconds * 1000);
        }
        child = -1;
        return status;
    }

    void startThroughPipes(const char* option) {
        int input[2], output[2], errors[2];
        if (pipe(input) != 0 || pipe(output) != 0 || pipe(errors) != 0) {
            std::abort();
        }
        child = fork();
        if (child == 0) {
            dup2(input[0], 0);
            dup2(output[1], 1);
            dup2(errors[1], 2);
            for (const int descriptor :
                 {input[0], input[1], output[0], output[1], errors[0], errors[1]}) {
                close(descriptor);
            }
            start(option);
        }
        close(input[0]);
        close(output[1]);
        close(errors[1]);
        toInput = input[1];
        fromOutput = output[0];
        fromErrors = errors[0];
    }

    void startAtTerminal(const char* option) {
        int terminal;
        child = forkpty(&terminal, nullptr, nullptr, nullptr);
        if (child == 0) {
            setenv("TERM", "vt100", 1);
            start(option);
        }
        toInput = terminal;
        fromOutput = dup(terminal);
        fromErrors = dup(terminal);
    }

    [[noreturn]] static void start(const char* option) {
        if (option != nullptr) {
            execl(QUORIN_PROGRAM, QUORIN_PROGRAM, option, nullptr);
        } else {
            execl(QUORIN_PROGRAM, QUORIN_PROGRAM, nullptr);
        }
        _exit(127);
    }

    static std::string readWhatCame(int descriptor) {
        std::string came;
        pollfd waiting = {descriptor, POLLIN, 0};
        char block[4096];
        ssize_t received;
        while (poll(&waiting, 1, 0) == 1 &&
               (received = read(descriptor, block, sizeof block)) > 0) {
            came.append(block, static_cast<std::size_t>(received));
        }
        return came;
    }

    static std::string readUntil(int descriptor, std::string& soFar, std::string_view expected) {
        std::size_t found;
        while ((found = soFar.find(expected)) == std::string::npos) {
            pollfd waiting = {descriptor, POLLIN, 0};
            char block[4096];
            ssize_t received = 0;
            if (poll(&waiting, 1, answerWaitMilliseconds) == 1) {
                received = read(descriptor, block, sizeof block);
            }
            if (received <= 0) {
                ADD_FAILURE() << "'" << expected << "' never came; there came:\n" << soFar;
                return std::exchange(soFar, "");
            }
            soFar.append(block, static_cast<std::size_t>(received));
        }
        const std::size_t end = found + expected.size();
        std::string upToExpected = soFar.substr(0, end);
        soFar.erase(0, end);
        return upToExpected;
    }

    pid_t child = -1;
    int toInput = -1;
    int fromOutput = -1;
    int fromErrors = -1;
    std::string outputSoFar;
    std::string errorsSoFar;
};

TEST(liveSession, throughPipesEachAnswerComesBeforeTheNextLineIsWritten) {
    quorinProcess quorin(connection::pipes);
    const struct {
        const char* line;
        const char* answer;
    } exchanges[] = {
        {"1+2", "[ans = 3]"},
        {"[a = 5]", "# set root environment."},
        {"a[]*2", "[ans = 10]"},
        {"!load \"no such file.qw\"", "# load error"},
    };
    for (const auto& exchange : exchanges) {
        quorin.type(std::string(exchange.line) + "\n");
        EXPECT_EQ(quorin.outputUntil(std::string(exchange.answer) + "\n"),
                  std::string(exchange.line) + "\n" + exchange.answer + "\n");
    }
    EXPECT_EQ(quorin.errorsUntil("\n"),
              "<stdin>:4: cannot read 'no such file.qw': No such file or directory\n");
    quorin.endInput();
    EXPECT_EQ(quorin.exitStatus(), 1);
}

TEST(liveSession, diagnosticsComeBeforeTheAnswerOfTheirLine) {
    quorinProcess quorin(connection::pipes, "--diagnostics");
    quorin.type("y*2\n");
    EXPECT_EQ(quorin.errorsUntil("undefined variable :y"), "undefined variable :y");
    EXPECT_EQ(quorin.outputUntil("]\n"), "y*2\n[ans = (y)*(2)]\n");
    quorin.endInput();
    EXPECT_EQ(quorin.exitStatus(), 0);
}

std::string repeated(std::string_view keys, int times) {
    std::string all;
    for (int time = 0; time < times; ++time) {
        all += keys;
    }
    return all;
}

TEST(liveSession, atATerminalUpAndDownRecallAsInTheWindow) {
    quorinProcess quorin(connection::terminal);
    quorin.awaitPrompt();
    for (const char* line : {"1+0", "2+0", "3+0"}) {
        quorin.type(std::string(line) + std::string(returnKey));
        quorin.outputUntil("]");
        quorin.awaitPrompt();
    }
    // The fourth Up finds nothing earlier and is swallowed; Down then steps
    // back to the second line.
    quorin.type(repeated(upKey, 4) + std::string(downKey) + std::string(returnKey));
    const std::string recalled = quorin.outputUntil("]");
    EXPECT_TRUE(recalled.ends_with("[ans = 2]")) << recalled;
    EXPECT_EQ(recalled.find("error"), std::string::npos) << recalled;
    quorin.awaitPrompt();
    // Down beyond the newest line gives the empty line being typed.
    quorin.type(repeated(upKey, 1) + repeated(downKey, 3) + "4+0" + std::string(returnKey));
    EXPECT_TRUE(quorin.outputUntil("]").ends_with("[ans = 4]"));
    quorin.awaitPrompt();
    quorin.type(endOfInputKey);
    EXPECT_EQ(quorin.exitStatus(), 0);
}

TEST(liveSession, atATerminalALineTooLongShowsItsLoadErrorAndTheNextLineRuns) {
    quorinProcess quorin(connection::terminal);
    quorin.awaitPrompt();
    quorin.type(std::string(2100, '1') + std::string(returnKey));
    quorin.outputUntil("# load error");
    quorin.outputUntil("<stdin>:1: line longer than 2047 characters");
    quorin.awaitPrompt();
    quorin.type("5+5" + std::string(returnKey));
    EXPECT_TRUE(quorin.outputUntil("]").ends_with("[ans = 10]"));
    quorin.awaitPrompt();
    quorin.type(endOfInputKey);
    EXPECT_EQ(quorin.exitStatus(), 1);
}

TEST(liveSession, atATerminalCtrlCDropsTheLineBeingTyped) {
    quorinProcess quorin(connection::terminal);
    quorin.awaitPrompt();
    quorin.type("1+" + std::string(interruptKey));
    quorin.awaitPrompt();
    quorin.type("2+2" + std::string(returnKey));
    const std::string answered = quorin.outputUntil("]");
    EXPECT_TRUE(answered.ends_with("[ans = 4]")) << answered;
    EXPECT_EQ(answered.find("error"), std::string::npos) << answered;
    quorin.awaitPrompt();
    quorin.type(endOfInputKey);
    EXPECT_EQ(quorin.exitStatus(), 0);
}

// A scratch file that is removed at the end of the test.
class scratchFile {
  public:
    scratchFile(const std::string& name, const std::string& text)
        : path(std::string(testing::TempDir()) + name) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    ~scratchFile() { std::remove(path.c_str()); }
    scratchFile(const scratchFile&) = delete;
    scratchFile& operator=(const scratchFile&) = delete;

    const std::string path;
};

TEST(liveSession, atATerminalCtrlCStopsALongLoadAndTheSessionGoesOn) {
    std::string lines;
    for (int line = 0; line < 1000000; ++line) {
        lines += "1+1\n";
    }
    const scratchFile longLoad("quorin-long-load.qw", lines);
    quorinProcess quorin(connection::terminal);
    quorin.awaitPrompt();
    quorin.type("!load \"" + longLoad.path + "\"" + std::string(returnKey));
    quorin.outputUntil("[ans = 2]");
    quorin.type(interruptKey);
    quorin.outputUntil(longLoad.path + ":");
    quorin.outputUntil(": interrupted");
    quorin.awaitPrompt();
    quorin.type("5+5" + std::string(returnKey));
    quorin.outputUntil("[ans = 10]");
    quorin.awaitPrompt();
    quorin.type(endOfInputKey);
    EXPECT_EQ(quorin.exitStatus(), 0);
}

TEST(liveSession, withoutATerminalAnInterruptEndsQuorin) {
    quorinProcess quorin(connection::pipes);
    quorin.type("1+2\n");
    quorin.outputUntil("[ans = 3]\n");
    quorin.signal(SIGINT);
    EXPECT_EQ(quorin.endingSignal(), SIGINT);
}

} // namespace
