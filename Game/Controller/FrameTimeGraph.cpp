#include "Game/Controller/FrameTimeGraph.h"

#include "Engine/Font/TextMesh.h"
#include "Engine/Graphics/ColouredLines.h"
#include "Engine/Graphics/ElapsedTimeQueries.h"
#include "Engine/Graphics/MatrixState.h"
#include "Game/UI/TextDrawing.h"

namespace Game {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* lastPass = "end";
// Between the graph and the window's edges, and between graph and text.
constexpr float margin = 8.0f;
constexpr double textRefreshSeconds = 0.25;

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

} // namespace

// ---- pass timer -------------------------------------------------------------------

PassTimer::PassTimer()
{
    if (Engine::GFX::ElapsedTimeQueries::supported())
        queries = std::make_unique<Engine::GFX::ElapsedTimeQueries>(framesInFlight * passesPerFrame);
}

PassTimer::~PassTimer() = default;

const char* PassTimer::method() const
{
    return queries ? "GL timer queries" : "clock at pass boundaries";
}

void PassTimer::passBegins(const char* pass)
{
    if (queries)
        timeWithQueries(pass);
    else
        timeWithClock(pass);
}

void PassTimer::frameBegins(double now, PassShares& shares)
{
    if (queries)
        collectQueries(shares);
    else
        collectClock(shares);
    frameStart = now;
}

// A frame is skipped whole while every slot still waits for its results.
void PassTimer::timeWithQueries(const std::string& pass)
{
    if (queryOpen) Engine::GFX::ElapsedTimeQueries::end();
    queryOpen = false;
    Frame& frame = frames[writing];
    if (pass == lastPass) {
        if (!skipping && !frame.passes.empty()) {
            frame.waiting = true;
            writing = (writing + 1) % framesInFlight;
        }
        skipping = false;
        return;
    }
    skipping = skipping || frame.waiting;
    if (skipping || frame.passes.size() == passesPerFrame) return;
    if (frame.passes.empty()) frame.start = frameStart;
    queries->begin(slot(writing, frame.passes.size()));
    queryOpen = true;
    frame.passes.push_back(pass);
}

void PassTimer::collectQueries(PassShares& shares)
{
    while (frames[oldest].waiting) {
        Frame& frame = frames[oldest];
        if (!queries->available(slot(oldest, frame.passes.size() - 1))) return;
        for (std::size_t i = 0; i < frame.passes.size(); ++i)
            shares.add(frame.start, frame.passes[i], queries->milliseconds(slot(oldest, i)));
        frame.passes.clear();
        frame.waiting = false;
        oldest = (oldest + 1) % framesInFlight;
    }
}

void PassTimer::timeWithClock(const std::string& pass)
{
    const Clock::time_point now = Clock::now();
    if (!clockPass.empty()) clockTimes.emplace_back(clockPass, millisecondsBetween(passStart, now));
    clockPass = pass == lastPass ? "" : pass;
    passStart = now;
}

void PassTimer::collectClock(PassShares& shares)
{
    for (const auto& [pass, milliseconds] : clockTimes) shares.add(frameStart, pass, milliseconds);
    clockTimes.clear();
}

// ---- graph ------------------------------------------------------------------------

FrameTimeGraph::FrameTimeGraph(Engine::GFX::Font* font)
    : start(Clock::now()), text(std::make_unique<Engine::GFX::TextMesh>(font, ""))
{
}

FrameTimeGraph::~FrameTimeGraph() = default;

void FrameTimeGraph::frameBegins()
{
    const Clock::time_point now = Clock::now();
    if (framesSeen) times.add(static_cast<float>(millisecondsBetween(lastFrame, now)));
    lastFrame = now;
    framesSeen = true;
    if (visible) timer.frameBegins(secondsSinceStart(), shares);
}

void FrameTimeGraph::draw(MatrixState& matrices, const Shader& lineShader, const Shader& textShader,
                          glm::vec2 window)
{
    const glm::vec2 corner(window.x - FrameGraphLayout::width - margin,
                           window.y - FrameGraphLayout::height - margin);
    const std::vector<float> vertices = frameGraphVertices(times, corner);
    const std::size_t count = vertices.size() / Engine::GFX::ColouredLines::floatsPerVertex;
    if (lines)
        lines->replace(vertices.data(), count);
    else
        lines = std::make_unique<Engine::GFX::ColouredLines>(vertices.data(), count);
    matrices.use(lineShader);
    matrices.setModel(glm::mat4(1.0f));
    lines->draw();

    refreshText(secondsSinceStart());
    matrices.use(textShader);
    const glm::vec3 textCorner(corner.x - static_cast<float>(text->width) - margin, window.y - margin, 0.0f);
    UI::drawText(matrices, *text, textCorner, glm::vec2(1.0f));
}

double FrameTimeGraph::secondsSinceStart() const
{
    return millisecondsBetween(start, Clock::now()) / 1000.0;
}

void FrameTimeGraph::refreshText(double now)
{
    if (textTime >= 0.0 && now - textTime < textRefreshSeconds) return;
    textTime = now;
    text->text = passSharesText(std::string("last second, ") + timer.method() + ":", shares.shares(now));
    text->rebuild();
}

} // namespace Game
