#include "tests/e2e/ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace E2E {

namespace {

constexpr Duration exitPollInterval(5);
constexpr int execFailedCode = 127;

// argv and the environment as the exec call wants them, built before the
// fork: a forked child of a threaded process may not allocate.
struct ExecArguments {
    std::vector<std::string> argvStorage;
    std::vector<std::string> environmentStorage;
    std::vector<char*> argv;
    std::vector<char*> environment;
};

bool overridden(const std::string& entry, const Launch& launch)
{
    const std::string name = entry.substr(0, entry.find('='));
    const auto setsName = [&](const auto& pair) { return pair.first == name; };
    return std::any_of(launch.setEnvironment.begin(), launch.setEnvironment.end(), setsName)
        || std::find(launch.unsetEnvironment.begin(), launch.unsetEnvironment.end(), name)
        != launch.unsetEnvironment.end();
}

ExecArguments buildExecArguments(const Launch& launch)
{
    ExecArguments args;
    args.argvStorage = launch.argv;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!overridden(*entry, launch))
            args.environmentStorage.push_back(*entry);
    }
    for (const auto& [name, value] : launch.setEnvironment)
        args.environmentStorage.push_back(name + "=" + value);
    for (std::string& text : args.argvStorage)
        args.argv.push_back(text.data());
    args.argv.push_back(nullptr);
    for (std::string& text : args.environmentStorage)
        args.environment.push_back(text.data());
    args.environment.push_back(nullptr);
    return args;
}

void makePipe(int fds[2])
{
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
}

// Runs in the forked child: only async-signal-safe calls. A failure is
// reported to the parent through the status pipe as an errno value.
[[noreturn]] void becomeProgram(const Launch& launch, ExecArguments& args, int outFd, int errFd, int statusFd)
{
    ::setpgid(0, 0);
    ::dup2(outFd, STDOUT_FILENO);
    ::dup2(errFd, STDERR_FILENO);
    const int stdinFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::dup2(stdinFd, STDIN_FILENO);
    if (launch.workDir.empty() || ::chdir(launch.workDir.c_str()) == 0)
        ::execvpe(args.argv[0], args.argv.data(), args.environment.data());
    const int error = errno;
    [[maybe_unused]] ssize_t written = ::write(statusFd, &error, sizeof error);
    ::_exit(execFailedCode);
}

ExitStatus decodeStatus(int raw)
{
    ExitStatus result;
    result.exited = WIFEXITED(raw);
    result.code = result.exited ? WEXITSTATUS(raw) : -1;
    result.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
    return result;
}

} // namespace

std::vector<std::string> splitLines(const std::string& text, bool includeUnterminated)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (std::string::size_type end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (includeUnterminated && start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

ChildProcess::ChildProcess(const Launch& launch)
{
    if (launch.argv.empty())
        throw std::runtime_error("ChildProcess: no program given");
    ExecArguments args = buildExecArguments(launch);
    int outPipe[2], errPipe[2], statusPipe[2];
    makePipe(outPipe);
    makePipe(errPipe);
    makePipe(statusPipe);

    processId = ::fork();
    if (processId == 0)
        becomeProgram(launch, args, outPipe[1], errPipe[1], statusPipe[1]);
    if (processId > 0)
        ::setpgid(processId, processId); // also here, so no signal can race the child's own call
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    ::close(statusPipe[1]);
    if (processId < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));

    int execError = 0;
    const bool execFailed = ::read(statusPipe[0], &execError, sizeof execError) == sizeof execError;
    ::close(statusPipe[0]);
    output.fd = outPipe[0];
    errors.fd = errPipe[0];
    output.reader = std::thread([this] { readUntilClosed(output); });
    errors.reader = std::thread([this] { readUntilClosed(errors); });
    if (execFailed) {
        reap(true);
        finishReading();
        throw std::runtime_error("cannot start " + launch.argv[0] + " in '" + launch.workDir
                                 + "': " + std::strerror(execError));
    }
}

ChildProcess::~ChildProcess()
{
    if (!status) {
        ::kill(processId, SIGKILL);
        reap(true);
    }
    finishReading();
}

// Programs the process started (a shell's commands) may still hold its
// output pipes; they go with it, so reading ends at its exit.
void ChildProcess::killLeftovers()
{
    ::kill(-processId, SIGKILL);
}

void ChildProcess::readUntilClosed(Stream& stream)
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(stream.fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        std::lock_guard<std::mutex> lock(mutex);
        if (count <= 0) {
            stream.closed = true;
            arrived.notify_all();
            return;
        }
        stream.text.append(buffer, static_cast<size_t>(count));
        arrived.notify_all();
    }
}

void ChildProcess::finishReading()
{
    if (readingFinished)
        return;
    readingFinished = true;
    killLeftovers();
    for (Stream* stream : {&output, &errors}) {
        if (stream->reader.joinable())
            stream->reader.join();
        if (stream->fd >= 0)
            ::close(stream->fd);
        stream->fd = -1;
    }
}

bool ChildProcess::reap(bool block)
{
    if (status)
        return true;
    int raw = 0;
    const pid_t result = ::waitpid(processId, &raw, block ? 0 : WNOHANG);
    if (result != processId)
        return false;
    status = decodeStatus(raw);
    return true;
}

template <typename Predicate>
std::optional<std::string> ChildProcess::waitForOutputLine(Predicate matches, Duration timeout)
{
    std::unique_lock<std::mutex> lock(mutex);
    std::optional<std::string> found;
    arrived.wait_for(lock, timeout, [&] {
        for (const std::string& line : splitLines(output.text, false)) {
            if (matches(line)) {
                found = line;
                return true;
            }
        }
        return output.closed;
    });
    return found;
}

bool ChildProcess::waitForLine(const std::string& text, Duration timeout)
{
    return waitForOutputLine([&](const std::string& line) { return line == text; }, timeout).has_value();
}

std::optional<std::string> ChildProcess::waitForLineStartingWith(const std::string& prefix, Duration timeout)
{
    return waitForOutputLine([&](const std::string& line) { return line.rfind(prefix, 0) == 0; }, timeout);
}

std::vector<std::string> ChildProcess::outputLines() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return splitLines(output.text, output.closed);
}

std::vector<std::string> ChildProcess::errorLines() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return splitLines(errors.text, errors.closed);
}

std::string ChildProcess::outputText() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return output.text;
}

std::string ChildProcess::errorText() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return errors.text;
}

std::optional<ExitStatus> ChildProcess::waitForExit(Duration timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!reap(false)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(exitPollInterval);
    }
    // The pipes close with the process; collect what it wrote last.
    finishReading();
    return status;
}

bool ChildProcess::running()
{
    return !reap(false);
}

void ChildProcess::sendSignal(int signalNumber)
{
    if (!status)
        ::kill(processId, signalNumber);
}

CommandResult runCommand(const std::vector<std::string>& argv, Duration timeout)
{
    ChildProcess process(Launch{argv, {}, {}, {}});
    CommandResult result;
    result.status = process.waitForExit(timeout);
    if (!result.status) {
        process.sendSignal(SIGKILL);
        process.waitForExit(timeout);
    }
    result.output = process.outputText();
    result.errors = process.errorText();
    return result;
}

std::string runCheckedCommand(const std::vector<std::string>& argv, Duration timeout)
{
    const CommandResult result = runCommand(argv, timeout);
    if (!result.succeeded())
        throw std::runtime_error(argv.front() + (argv.size() > 1 ? " " + argv[1] : std::string()) + " failed: "
                                 + (result.status ? result.errors : "timed out"));
    return result.output;
}

} // namespace E2E
