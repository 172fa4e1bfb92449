// Measures the game's frame rate in singleplayer at the configured window size
// next to a reference drawn in the same run, window and context: four plain
// full-screen textured quads per frame. The game at render scales 100 %,
// 75 % and 50 % and the reference take turns every second, so a change in the
// machine's load touches all alike. Also the CPU time of one update step, the
// time from start to the first frame, and what each pass of the game's frame
// costs. Run in the game's run folder under an X server; see measure_fps.sh.

#include "Engine/Core/GameEngine.h"
#include "Engine/Core/GamePrototype.h"
#include "Engine/Graphics/Model3D.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Graphics/Shader.h"
#include "Engine/Mesh/MeshBuilder.h"
#include "Game/Controller/FrameRenderer.h"
#include "Game/Controller/GameController.h"
#include "Game/Editor/BlockEdits.h"
#include "Game/Level/GameMap.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Race/GhostFile.h"
#include "Game/Race/RaceStart.h"
#include "Game/Resources/GameResources.h"
#include "Engine/Graphics/Sampler.h"
#include "Game/UI/MenuController.h"
#include "bench/ProbeTiming.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using ProbeTiming::SteadyClock;
using ProbeTiming::median;
using ProbeTiming::millisecondsBetween;
using ProbeTiming::threadCpuMilliseconds;

constexpr double warmUpSeconds = 3.0;
// Each side gets an equal share of this, in turns of one second.
constexpr double comparisonSeconds = 40.0;
constexpr double turnSeconds = 1.0;
constexpr double passSeconds = 6.0;
constexpr double settleSeconds = 1.0;
constexpr int referenceQuads = 4;
constexpr int referenceTextureSize = 1024;

// The sides of the comparison, in the order of their turns; a negative
// scale is the reference.
constexpr float referenceSide = -1.0f;
constexpr float sides[] = {1.0f, referenceSide, 0.75f, 0.5f};
constexpr int sideCount = static_cast<int>(std::size(sides));

double sum(const std::vector<double>& values)
{
    double total = 0.0;
    for (double value : values) total += value;
    return total;
}

void reportFrames(const char* what, const std::vector<double>& intervals)
{
    const double medianFrame = median(intervals);
    const double total = sum(intervals);
    std::printf("%-42s median frame %7.2f ms = %6.1f fps; %zu frames in %.1f s (mean %.1f fps)\n", what,
                medianFrame, medianFrame > 0.0 ? 1000.0 / medianFrame : 0.0, intervals.size(), total / 1000.0,
                total > 0.0 ? intervals.size() * 1000.0 / total : 0.0);
}

// Milliseconds per pass of every measured frame, passes in frame order.
struct PassCosts {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> samples;

    void add(const std::string& pass, double milliseconds)
    {
        if (samples.find(pass) == samples.end()) order.push_back(pass);
        samples[pass].push_back(milliseconds);
    }

    void report(const char* method) const
    {
        double total = 0.0;
        for (const std::string& pass : order) total += median(samples.at(pass));
        std::printf("pass costs (%s, median over %zu frames):\n", method,
                    order.empty() ? size_t{0} : samples.at(order.front()).size());
        for (const std::string& pass : order) {
            const double ms = median(samples.at(pass));
            std::printf("  %-12s %7.2f ms  %5.1f %%\n", pass.c_str(), ms, total > 0.0 ? 100.0 * ms / total : 0.0);
        }
        std::printf("  %-12s %7.2f ms\n", "sum", total);
    }
};

// GL timestamps at every pass boundary, read back one frame later so the
// queries never stall the frame they measure.
class TimestampTimer final : public Game::FramePassObserver {
public:
    TimestampTimer() { glGenQueries(maxMarks * 2, queries); }
    ~TimestampTimer() override { glDeleteQueries(maxMarks * 2, queries); }

    void passBegins(const char* pass) override
    {
        Frame& frame = frames[current];
        if (frame.marks == maxMarks) return;
        glQueryCounter(queries[current * maxMarks + frame.marks], GL_TIMESTAMP);
        frame.names[frame.marks++] = pass;
        if (std::string(pass) == "end") finishFrame();
    }

    PassCosts costs;

private:
    static constexpr int maxMarks = 24;

    struct Frame {
        const char* names[maxMarks] = {};
        int marks = 0;
    };

    void finishFrame()
    {
        const int previous = 1 - current;
        collect(frames[previous], previous);
        current = previous;
        frames[current].marks = 0;
    }

    void collect(const Frame& frame, int index)
    {
        std::vector<GLuint64> stamps(frame.marks);
        for (int i = 0; i < frame.marks; ++i)
            glGetQueryObjectui64v(queries[index * maxMarks + i], GL_QUERY_RESULT, &stamps[i]);
        for (int i = 0; i + 1 < frame.marks; ++i) costs.add(frame.names[i], (stamps[i + 1] - stamps[i]) / 1.0e6);
    }

    GLuint queries[maxMarks * 2] = {};
    Frame frames[2];
    int current = 0;
};

// Waits for the GL to finish at every pass boundary and reads the clock: the
// passes no longer overlap, but each one's cost is its own. (llvmpipe bins
// draws and rasterises them at the next framebuffer switch or flush, so its
// timestamps charge a pass's pixels to whichever pass comes next.)
class FinishTimer final : public Game::FramePassObserver {
public:
    void passBegins(const char* pass) override
    {
        glFinish();
        const SteadyClock::time_point now = SteadyClock::now();
        if (!previousPass.empty()) costs.add(previousPass, millisecondsBetween(last, now));
        previousPass = std::string(pass) == "end" ? "" : pass;
        last = now;
    }

    PassCosts costs;

private:
    std::string previousPass;
    SteadyClock::time_point last;
};

// ---- the reference --------------------------------------------------------------

const char* referenceVertex = R"(#version 330 core
in vec3 aPosition;
in vec3 aNormal;
in vec4 aColor;
in vec2 aTexCoord;
out vec2 vTexCoord;
void main()
{
    vTexCoord = aTexCoord;
    gl_Position = vec4(aPosition, 1.0);
}
)";

const char* referenceFragment = R"(#version 330 core
uniform sampler2D uTexture;
in vec2 vTexCoord;
out vec4 outColor;
void main()
{
    outColor = texture(uTexture, vTexCoord);
}
)";

// Four full-screen quads sampling one texture onto the window, nothing else.
class ReferenceQuads {
public:
    ReferenceQuads() : shader(referenceVertex, referenceFragment)
    {
        std::vector<uint8_t> pixels(referenceTextureSize * referenceTextureSize * 4);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>((i * 7) ^ (i >> 11));
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, referenceTextureSize, referenceTextureSize, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, pixels.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        Engine::GFX::Mesh::MeshBuilder builder;
        builder.addQuad(glm::vec2(-1.0f), glm::vec2(1.0f), glm::vec4(1.0f), glm::vec2(1.0f));
        Engine::GFX::Mesh::fillModel(quad, builder);
    }
    ~ReferenceQuads() { glDeleteTextures(1, &texture); }

    void draw()
    {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDisable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glUseProgram(shader.program);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, texture);
        for (int i = 0; i < referenceQuads; ++i) quad.draw();
        glEnable(GL_DEPTH_TEST);
    }

private:
    Shader shader;
    Engine::GFX::Mesh::Model3D quad;
    GLuint texture = 0;
};

// ---- the run ----------------------------------------------------------------------

// The race's ghost standing 3 m ahead of the player, facing it, so that its
// pass ("ghost") is timed with the character in view; its file is the level's
// ghost for the probe's run and removed afterwards, with the ghosts' folder
// when the probe made it.
class GhostAhead {
public:
    explicit GhostAhead(Game::GameController& controller)
    {
        std::vector<Game::BlockPose> level;
        const Game::GameRun& run = controller.run();
        for (const uint32_t block : run.map.blocks) level.push_back(Game::poseOf(*controller.context().world, block));
        folder = run.files.ghosts;
        path = Game::ghostFilePath(folder, Game::raceLevelHash(level));
        madeFolder = std::filesystem::create_directories(folder);
        const Game::GhostSample ahead{{3.0f, 0.0f, CharacterControllerComponent::standingHeight}, 180.0f};
        const Engine::Status written = Game::writeGhostFile(path, std::vector<Game::GhostSample>(100, ahead));
        if (!written.ok()) std::printf("ghost file not written: %s\n", written.message().c_str());
    }
    ~GhostAhead()
    {
        std::filesystem::remove(path);
        if (madeFolder) std::filesystem::remove(folder);
    }

private:
    std::string folder;
    std::string path;
    bool madeFolder = false;
};

// The real controller in singleplayer (standing where the game starts),
// taking turns with the reference, then timed pass by pass.
class ProbedGame final : public GamePrototype {
public:
    ProbedGame(Engine::GameEngine* engine, SteadyClock::time_point programStart)
        : engine(engine), controller(engine), programStart(programStart)
    {
    }

    bool init() override
    {
        controller.init();
        ghost = std::make_unique<GhostAhead>(controller);
        controller.context().menuController->startGame();
        reference = std::make_unique<ReferenceQuads>();
        return true;
    }

    void update() override
    {
        const double before = threadCpuMilliseconds();
        controller.update();
        if (phase == Phase::Comparison) updateTimes.push_back(threadCpuMilliseconds() - before);
    }

    void render(float alpha) override
    {
        const SteadyClock::time_point now = SteadyClock::now();
        recordInterval(now);
        const bool comparing = phase == Phase::Comparison;
        const float side = comparing ? sides[turn % sideCount] : controller.context().resources->renderScale();
        const bool referenceTurn = side == referenceSide;
        if (comparing && !referenceTurn && side != controller.context().resources->renderScale())
            controller.context().resources->setRenderScale(side);
        if (referenceTurn)
            reference->draw();
        else
            controller.render(alpha);
        if (firstFrameSeconds < 0.0) {
            glFinish();
            firstFrameSeconds = millisecondsBetween(programStart, SteadyClock::now()) / 1000.0;
            enter(Phase::WarmUp);
        }
        lastFrame = now;
        lastSide = side;
        advancePhase();
    }

    void shutdown() override
    {
        controller.setFramePassObserver(nullptr);
        if (timestampTimer) timestampCosts = timestampTimer->costs;
        timestampTimer.reset();
        reference.reset();
        controller.shutdown();
    }

    void report() const
    {
        const std::vector<double>& referenceFrames = framesOf(referenceSide);
        reportFrames("reference, 4 textured full-screen quads:", referenceFrames);
        for (float scale : sides) {
            if (scale == referenceSide) continue;
            const std::vector<double>& gameFrames = framesOf(scale);
            const std::string what = "game, singleplayer, render scale " + std::to_string(int(scale * 100)) + " %:";
            reportFrames(what.c_str(), gameFrames);
            const double ratio = median(referenceFrames) > 0.0 ? median(gameFrames) / median(referenceFrames) : 0.0;
            std::printf("%-42s %7.2f\n", "  game frame time / reference frame time:", ratio);
            const double full = median(framesOf(1.0f));
            const double againstFull = full > 0.0 ? median(gameFrames) / full : 0.0;
            std::printf("%-42s %7.2f\n", "  game frame time / the same at 100 %:", againstFull);
        }
        std::printf("%-42s median %6.3f ms, mean %6.3f ms CPU over %zu steps\n", "update step:",
                    median(updateTimes), updateTimes.empty() ? 0.0 : sum(updateTimes) / updateTimes.size(),
                    updateTimes.size());
        std::printf("%-42s %7.2f s\n", "start to the first frame:", firstFrameSeconds);
        timestampCosts.report("GL timestamp queries");
        finishTimer.costs.report("glFinish at each pass boundary");
        scaledTimer.costs.report("the same at render scale 75 %");
        menuViewTimer.costs.report("the same through the main menu's camera");
        anisotropicTimer.costs.report("singleplayer with the driver's largest anisotropy");
    }

private:
    enum class Phase {
        Loading, WarmUp, Comparison, Timestamps, Finished, Scaled, MenuView, AnisotropicSettle, Anisotropic, Done
    };

    // The interval that ends now belongs to the frame drawn before; a turn's
    // first interval also holds the switch and is left out.
    void recordInterval(SteadyClock::time_point now)
    {
        if (phase != Phase::Comparison || !frameInTurn) {
            frameInTurn = phase == Phase::Comparison;
            return;
        }
        frames[lastSide].push_back(millisecondsBetween(lastFrame, now));
    }

    void advancePhase()
    {
        const double elapsed = millisecondsBetween(phaseStart, SteadyClock::now()) / 1000.0;
        if (phase == Phase::WarmUp && elapsed >= warmUpSeconds) {
            enter(Phase::Comparison);
        } else if (phase == Phase::Comparison) {
            const int nowTurn = static_cast<int>(elapsed / turnSeconds);
            if (nowTurn != turn) frameInTurn = false;
            turn = nowTurn;
            if (elapsed >= comparisonSeconds) {
                controller.context().resources->setRenderScale(1.0f);
                timestampTimer = std::make_unique<TimestampTimer>();
                controller.setFramePassObserver(timestampTimer.get());
                enter(Phase::Timestamps);
            }
        } else if (phase == Phase::Timestamps && elapsed >= passSeconds) {
            controller.setFramePassObserver(&finishTimer);
            enter(Phase::Finished);
        } else if (phase == Phase::Finished && elapsed >= passSeconds) {
            controller.context().resources->setRenderScale(0.75f);
            controller.setFramePassObserver(&scaledTimer);
            enter(Phase::Scaled);
        } else if (phase == Phase::Scaled && elapsed >= passSeconds) {
            controller.context().resources->setRenderScale(1.0f);
            // The same through the menu camera, which sees the character small
            // and far (its cost there is its vertex work), the whole level and
            // the main menu's buttons.
            controller.context().menuController->gameToMenu();
            controller.setFramePassObserver(&menuViewTimer);
            enter(Phase::MenuView);
        } else if (phase == Phase::MenuView && elapsed >= passSeconds) {
            // Back in singleplayer with the driver's largest anisotropy.
            // llvmpipe compiles new shader variants for the changed sampling,
            // which can hold up the next frame for seconds: not timed.
            controller.context().menuController->startGame();
            useLargestAnisotropy();
            controller.setFramePassObserver(nullptr);
            enter(Phase::AnisotropicSettle);
        } else if (phase == Phase::AnisotropicSettle && elapsed >= settleSeconds) {
            controller.setFramePassObserver(&anisotropicTimer);
            enter(Phase::Anisotropic);
        } else if (phase == Phase::Anisotropic && elapsed >= passSeconds) {
            enter(Phase::Done);
            engine->quit = true;
        }
    }

    // What the passes cost with the anisotropic filtering the driver offers
    // at most, instead of the configured amount.
    void useLargestAnisotropy()
    {
        const float largest = Engine::GFX::maxAnisotropy();
        Game::GameResources& resources = *controller.context().resources;
        resources.floorSampler->setMaxAnisotropy(largest);
        for (const auto* texture : {resources.skyboxTexture.get(), resources.defaultTexture.get(),
                                    resources.hexagonTexture.get()}) {
            glBindTexture(GL_TEXTURE_2D, texture->name);
            glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, largest);
        }
        glBindTexture(GL_TEXTURE_2D, 0);
    }

    const std::vector<double>& framesOf(float side) const
    {
        static const std::vector<double> none;
        const auto found = frames.find(side);
        return found == frames.end() ? none : found->second;
    }

    void enter(Phase next)
    {
        phase = next;
        phaseStart = SteadyClock::now();
        turn = 0;
        frameInTurn = false;
    }

    Engine::GameEngine* engine;
    Game::GameController controller;
    std::unique_ptr<ReferenceQuads> reference;
    std::unique_ptr<GhostAhead> ghost;
    SteadyClock::time_point programStart;
    SteadyClock::time_point phaseStart;
    SteadyClock::time_point lastFrame;
    Phase phase = Phase::Loading;
    int turn = 0;
    bool frameInTurn = false;
    float lastSide = 1.0f;
    double firstFrameSeconds = -1.0;
    // Frame times by side of the comparison.
    std::map<float, std::vector<double>> frames;
    std::vector<double> updateTimes;
    std::unique_ptr<TimestampTimer> timestampTimer;
    PassCosts timestampCosts;
    FinishTimer finishTimer;
    FinishTimer scaledTimer;
    FinishTimer anisotropicTimer;
    FinishTimer menuViewTimer;
};

} // namespace

int main()
{
    Engine::GameEngine engine;
    ProbedGame game(&engine, SteadyClock::now());
    engine.game = &game;
    engine.run();
    std::printf("\n---- frame rate ----\n");
    game.report();
    return 0;
}
