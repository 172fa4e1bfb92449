#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Engine::GFX {

// A fixed set of GL_TIME_ELAPSED queries: each measures the GL's time for
// the commands issued between its begin and the next end. Results are read
// only once the GL reports them available, so reading never stalls. At most
// one query runs at a time. Needs a current GL context.
class ElapsedTimeQueries {
public:
    explicit ElapsedTimeQueries(std::size_t count);
    ~ElapsedTimeQueries();
    ElapsedTimeQueries(const ElapsedTimeQueries&) = delete;
    ElapsedTimeQueries& operator=(const ElapsedTimeQueries&) = delete;

    // Timer queries are core in GL 3.3; older contexts need the extension.
    static bool supported();

    void begin(std::size_t index);
    // Ends the running query.
    static void end();
    bool available(std::size_t index) const;
    // Only once available(index).
    double milliseconds(std::size_t index) const;

private:
    std::vector<uint32_t> names;
};

} // namespace Engine::GFX
