#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Game/Controller/FrameRenderer.h"
#include "Game/Rendering/FrameTimeHistory.h"
#include "Game/Rendering/PassShares.h"

class MatrixState;
class Shader;

namespace Engine::GFX {
class ColouredLines;
class ElapsedTimeQueries;
class Font;
class TextMesh;
} // namespace Engine::GFX

namespace Game {

// Times each pass of the frames it hears about: with GL timer queries where
// the GL has them (read back frames later, so nothing waits), otherwise with
// the clock at the pass boundaries, which sees only the time the commands
// take to issue.
class PassTimer final : public FramePassObserver {
public:
    PassTimer();
    ~PassTimer() override;

    void passBegins(const char* pass) override;
    // The frame that begins now is stamped with `now`; the passes of frames
    // whose times have arrived go into `shares`.
    void frameBegins(double now, PassShares& shares);
    const char* method() const;

private:
    static constexpr std::size_t framesInFlight = 4;
    static constexpr std::size_t passesPerFrame = 24;

    struct Frame {
        double start = 0.0;
        std::vector<std::string> passes;
        bool waiting = false; // issued, results not read yet
    };

    void timeWithQueries(const std::string& pass);
    void timeWithClock(const std::string& pass);
    void collectQueries(PassShares& shares);
    void collectClock(PassShares& shares);
    std::size_t slot(std::size_t frame, std::size_t pass) const { return frame * passesPerFrame + pass; }

    std::unique_ptr<Engine::GFX::ElapsedTimeQueries> queries;
    Frame frames[framesInFlight];
    std::size_t writing = 0;
    std::size_t oldest = 0;
    bool skipping = false;
    bool queryOpen = false;
    double frameStart = 0.0;
    // Without queries: the pass running since passStart, and the last
    // frame's passes in milliseconds.
    std::chrono::steady_clock::time_point passStart;
    std::string clockPass;
    std::vector<std::pair<std::string, double>> clockTimes;
};

// F3's overlay: the last frames' times as a graph in the top-right corner,
// with level lines at 60 and 30 frames per second, and each pass's share of
// the last second to the left of it. Frame times are kept while hidden, so
// the graph is full when shown; passes are timed only while shown.
class FrameTimeGraph {
public:
    explicit FrameTimeGraph(Engine::GFX::Font* font);
    ~FrameTimeGraph();

    void toggle() { visible = !visible; }
    bool shown() const { return visible; }

    // At the start of every frame: closes the previous frame's time.
    void frameBegins();
    // Null while hidden.
    FramePassObserver* passObserver() { return visible ? &timer : nullptr; }
    // With the 2D camera in the matrix state and premultiplied blending on.
    void draw(MatrixState& matrices, const Shader& lineShader, const Shader& textShader, glm::vec2 window);

    const FrameTimeHistory& history() const { return times; }
    // Each pass's share of the last second, as far as its times have arrived.
    std::vector<PassShare> passShares() { return shares.shares(secondsSinceStart()); }

private:
    double secondsSinceStart() const;
    void refreshText(double now);

    bool visible = false;
    FrameTimeHistory times;
    PassShares shares;
    PassTimer timer;
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point lastFrame;
    bool framesSeen = false;
    double textTime = -1.0;
    std::unique_ptr<Engine::GFX::ColouredLines> lines;
    std::unique_ptr<Engine::GFX::TextMesh> text;
};

} // namespace Game
