#pragma once

#include <string>
#include <utility>

namespace Engine {

// The outcome of an operation that can fail for reasons outside the program
// (the file system, the window system, the driver): success, or one line
// saying what went wrong, for the caller to report where it reports things.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !failed; }
    // Empty on success.
    const std::string& message() const { return text; }

private:
    Status() = default;
    explicit Status(std::string message) : failed(true), text(std::move(message)) {}

    bool failed = false;
    std::string text;
};

} // namespace Engine
