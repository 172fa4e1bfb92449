#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace E2E {

using Duration = std::chrono::milliseconds;

// How a process ended: a normal exit with its code, or a signal.
struct ExitStatus {
    bool exited = false;
    int code = -1;
    int signal = 0;

    bool exitedWith(int expected) const { return exited && code == expected; }
};

struct Launch {
    std::vector<std::string> argv; // argv[0] is looked up on PATH
    std::string workDir;           // empty: the test's own folder
    std::vector<std::pair<std::string, std::string>> setEnvironment;
    std::vector<std::string> unsetEnvironment;
};

// A program started by a test, with its standard output and standard error
// collected as they arrive (reader threads), so a test can wait for lines
// while the program runs. It runs in a process group of its own: once it
// has ended (or when this object goes away) whatever it started and left
// running is killed with it.
class ChildProcess {
public:
    // Throws std::runtime_error when the program cannot be started.
    explicit ChildProcess(const Launch& launch);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return processId; }

    // Waits for a complete output line equal to the text; false on timeout.
    bool waitForLine(const std::string& text, Duration timeout);
    // Waits for a complete output line starting with the prefix.
    std::optional<std::string> waitForLineStartingWith(const std::string& prefix, Duration timeout);

    // The lines so far (after the process ended, an unterminated last line too).
    std::vector<std::string> outputLines() const;
    std::vector<std::string> errorLines() const;
    std::string outputText() const;
    std::string errorText() const;

    // Waits for the process to end; nullopt when it still runs at the timeout.
    std::optional<ExitStatus> waitForExit(Duration timeout);
    bool running();
    void sendSignal(int signalNumber);

private:
    struct Stream {
        int fd = -1;
        std::string text;
        bool closed = false;
        std::thread reader;
    };

    void readUntilClosed(Stream& stream);
    bool reap(bool block);
    void killLeftovers();
    void finishReading();
    template <typename Predicate>
    std::optional<std::string> waitForOutputLine(Predicate matches, Duration timeout);

    pid_t processId = -1;
    std::optional<ExitStatus> status;
    bool readingFinished = false;
    mutable std::mutex mutex;
    std::condition_variable arrived;
    Stream output;
    Stream errors;
};

struct CommandResult {
    std::optional<ExitStatus> status; // nullopt: killed at the timeout
    std::string output;
    std::string errors;

    bool succeeded() const { return status && status->exitedWith(0); }
};

// Runs a short tool to its end (killed after the timeout).
CommandResult runCommand(const std::vector<std::string>& argv, Duration timeout = Duration(10000));

// Runs a tool that must succeed: returns its standard output, throws
// std::runtime_error with its standard error otherwise.
std::string runCheckedCommand(const std::vector<std::string>& argv, Duration timeout = Duration(10000));

// Splits text into lines at "\n"; an unterminated remainder is a line too
// when includeUnterminated is set.
std::vector<std::string> splitLines(const std::string& text, bool includeUnterminated);

} // namespace E2E
