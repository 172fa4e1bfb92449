#include "tests/fuzz/FuzzTargets.h"

#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/BoneMatrixArray.h"
#include "Engine/Animation/SkeletalAnimation.h"
#include "Engine/Animation/SkeletonFile.h"
#include "Engine/Base/Assert.h"
#include "Engine/Base/DataFileError.h"
#include "Engine/Config/ConfigRewrite.h"
#include "Engine/Config/FileUtil.h"
#include "Engine/Config/IniLine.h"
#include "Engine/Config/IniReader.h"
#include "Game/UI/OptionTable.h"
#include "Engine/Font/FontReader.h"
#include "Engine/Font/TextLayout.h"
#include "Engine/Mesh/MeshFile.h"
#include "Game/Level/LevelFile.h"
#include "Game/Race/GhostFile.h"
#include "Game/Race/RecordsFile.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <set>

namespace Fuzz {
namespace {

using namespace Engine::GFX;

// The readers take paths: each input goes to a file of this process, so two
// fuzzers (or a fuzzer and a corpus test) never share one.
std::string scratchPath(const std::string& tag)
{
    struct Removed { // at exit
        std::vector<std::string> paths;
        ~Removed() { for (const std::string& path : paths) std::remove(path.c_str()); }
    };
    static Removed files;
    const auto name = "game-fuzz-" + tag + "-" + std::to_string(::getpid());
    return files.paths.emplace_back((std::filesystem::temp_directory_path() / name).string());
}

const std::string& writeInput(const uint8_t* data, std::size_t size)
{
    static const std::string path = scratchPath("input");
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    file.close();
    GAME_ASSERT(!file.fail()); // a short write would fuzz another input than the one recorded
    return path;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Reads the input; a rejection must be one printable line starting with the path.
template <typename Read>
auto readOrReject(Read read, const uint8_t* data, std::size_t size) -> std::optional<decltype(read(""))>
{
    const std::string& path = writeInput(data, size);
    try {
        return read(path);
    } catch (const Engine::DataFileError& error) {
        const std::string message = error.what();
        GAME_ASSERT(error.path() == path && message.rfind(path + ": ", 0) == 0);
        GAME_ASSERT(message.find_first_of("\n\r") == std::string::npos);
        return std::nullopt;
    }
}

// The writer takes whatever the reader gives, and what it writes reads back
// to the same bytes: writer(reader(x)) is a fixed point.
template <typename Read, typename Write, typename Value>
void checkRoundTrip(Read read, Write write, const Value& value)
{
    static const std::string first = scratchPath("first"), second = scratchPath("second");
    write(first, value);
    write(second, *read(first));
    GAME_ASSERT(fileBytes(first) == fileBytes(second));
}

// Every part range and bone id refers to something that exists, so the GL
// loaders can upload and draw the mesh without further checks.
void checkMesh(const Mesh::MeshData& mesh)
{
    GAME_ASSERT(mesh.positions.size() == mesh.vertexCount && mesh.texcoords.size() == mesh.vertexCount);
    GAME_ASSERT(mesh.indices.size() == 3ull * mesh.triangleCount);
    for (const auto& part : mesh.parts) {
        GAME_ASSERT(uint64_t{part.firstIndex} + part.indexCount <= mesh.indices.size());
        for (uint64_t i = part.firstIndex; i < uint64_t{part.firstIndex} + part.indexCount; ++i)
            GAME_ASSERT(uint64_t{mesh.indices[i]} + part.baseVertex < mesh.vertexCount);
    }
    for (const auto& data : mesh.boneData)
        for (int slot = 0; slot < 4; ++slot)
            GAME_ASSERT((data.ids[slot] == 0 && data.weights[slot] == 0.0f) || data.ids[slot] < mesh.bones.size());
}

// Poses the skeleton as the game does each frame, one bone per node, with the
// clip's channels (when given) as a chain of nodes.
void pose(SkeletalAnimation& skeleton, const Animation& clip)
{
    std::vector<BoneBinding> bones(skeleton.nodes.size());
    for (std::size_t i = 0; i < bones.size(); ++i) bones[i].name = skeleton.nodes[i].name;
    BoneMatrixArray palette(bones.size());
    for (const float phase : {0.0f, 0.5f, 1.0f, 2.0f}) {
        skeleton.animate(clip, clip.duration / clip.ticksPerSecond * phase);
        skeleton.computeBoneMatrices(bones, palette);
    }
}

SkeletalAnimation chainFor(const Animation& clip)
{
    std::vector<PoseNode> nodes;
    std::set<std::string> names;
    for (const AnimationChannel& channel : clip.channels) {
        if (nodes.size() == SkeletalAnimation::maxNodeCount || !names.insert(channel.nodeName).second) continue;
        PoseNode node;
        node.name = channel.nodeName;
        node.hasParent = !nodes.empty();
        node.parentIndex = nodes.empty() ? 0 : uint32_t(nodes.size() - 1);
        nodes.push_back(node);
    }
    return SkeletalAnimation(std::move(nodes));
}

bool sameFont(const FontData& a, const FontData& b)
{
    const auto metrics = [](const FontData& f) { return std::make_tuple(f.lineHeight, f.base, f.scaleW, f.scaleH); };
    bool same = a.kerning == b.kerning && a.pages == b.pages && metrics(a) == metrics(b) && a.glyphs.size() == b.glyphs.size();
    for (auto p = a.glyphs.begin(), q = b.glyphs.begin(); same && p != a.glyphs.end(); ++p, ++q)
        same = p->first == q->first && std::memcmp(&p->second, &q->second, sizeof(Glyph)) == 0;
    return same;
}

// No GL here: the window size is only held to its lower bounds.
constexpr int32_t noTargetLimit = std::numeric_limits<int32_t>::max();

bool sameSettings(const Engine::WindowSettings& a, const Engine::WindowSettings& b)
{
    const auto fields = [](const Engine::WindowSettings& s) {
        return std::make_tuple(s.fullscreen, s.vsync, s.resolutionWidth, s.resolutionHeight, s.maxAnisotropy,
                               s.mouseSpeed);
    };
    return fields(a) == fields(b);
}

// The bytes of a profile's lines other than those setting one of the six
// keys in the unnamed section, as the rewrite must keep them.
std::string untouchedBytes(const std::string& text)
{
    const std::vector<Engine::ConfigValue> keys = UI::profileValues({});
    std::string kept;
    bool unnamed = true;
    for (const TextLine& line : splitLines(text, LineEnds::lineFeed)) {
        const IniLine lexed = lexIniLine(line.text);
        unnamed = unnamed && lexed.kind != IniLine::Kind::section;
        const bool setsKey = unnamed && lexed.kind == IniLine::Kind::keyValue
            && std::any_of(keys.begin(), keys.end(), [&](const auto& key) { return key.key == lexed.name; });
        if (!setsKey) kept += line.text + line.end;
    }
    return kept;
}

} // namespace

bool consumeMeshFile(const uint8_t* data, std::size_t size)
{
    const auto mesh = readOrReject(Mesh::readMeshFile, data, size);
    if (!mesh) return false;
    checkMesh(**mesh);
    checkRoundTrip(Mesh::readMeshFile, Mesh::writeMeshFile, **mesh);
    return true;
}

bool consumeSkeletonFile(const uint8_t* data, std::size_t size)
{
    const auto skeleton = readOrReject(readSkeletonFile, data, size);
    if (!skeleton) return false;
    const auto& nodes = (*skeleton)->nodes;
    GAME_ASSERT(nodes.size() <= SkeletalAnimation::maxNodeCount && (nodes.empty() || !nodes[0].hasParent));
    for (std::size_t i = 0; i < nodes.size(); ++i)
        GAME_ASSERT(!nodes[i].hasParent || (nodes[i].parentIndex < nodes.size() && nodes[i].parentIndex != i));
    checkRoundTrip(readSkeletonFile, writeSkeletonFile, **skeleton);
    pose(**skeleton, Animation{});
    return true;
}

bool consumeAnimationFile(const uint8_t* data, std::size_t size)
{
    const auto clip = readOrReject(readAnimationFile, data, size);
    if (!clip) return false;
    GAME_ASSERT(std::isfinite((*clip)->duration) && (*clip)->duration >= 0.0f);
    GAME_ASSERT(std::isfinite((*clip)->ticksPerSecond) && (*clip)->ticksPerSecond > 0.0f);
    for (const AnimationChannel& channel : (*clip)->channels) GAME_ASSERT(channel.keyListsHoldKeyCount());
    checkRoundTrip(readAnimationFile, writeAnimationFile, **clip);
    SkeletalAnimation skeleton = chainFor(**clip);
    pose(skeleton, **clip);
    return true;
}

// The checked reader turns exactly the raw parser's number errors into a
// DataFileError; every accepted font lays out kerned pairs, line feeds and
// every byte value.
bool consumeFontReader(const uint8_t* data, std::size_t size)
{
    const auto checked = readOrReject(FontReader::readFileChecked, data, size);
    std::optional<FontData> raw;
    try {
        raw = FontReader::parseLines(FileUtil::readLines(writeInput(data, size)));
    } catch (const std::logic_error&) { // std::stoi's invalid_argument and out_of_range
    }
    GAME_ASSERT(raw.has_value() == checked.has_value());
    if (!checked) return false;
    GAME_ASSERT(sameFont(*raw, *checked));
    std::string text = "AVAT To Wa, fly!\n  \"x=y\"\n";
    for (int byte = 0; byte < 256; ++byte) text.push_back(char(byte));
    GAME_ASSERT(layoutText(*checked, text).quads.size() <= text.size());
    return true;
}

// Any text is an INI file; every stored key has exactly one type, and the
// window settings read whatever the store holds.
bool consumeIniReader(const uint8_t* data, std::size_t size)
{
    const IniData ini = loadIniFile(writeInput(data, size));
    for (const auto& [name, section] : ini.sections()) {
        GAME_ASSERT(&ini.getSection(name) == &section);
        for (const std::string& key : section.keys()) {
            GAME_ASSERT(int{section.hasString(key)} + int{section.hasFloat(key)} + int{section.hasBool(key)} == 1);
            if (section.hasString(key)) section.getString(key);
            if (section.hasFloat(key)) section.getFloat(key);
            if (section.hasBool(key)) section.getBool(key);
        }
    }
    UI::readSettings(ini, "fuzz input", noTargetLimit);
    return true;
}

// Whatever the level reader accepts lies within the level's limits, and
// writing it and reading that back gives the same blocks bit for bit.
bool consumeLevelFile(const uint8_t* data, std::size_t size)
{
    constexpr std::size_t maxBlocks = 960;
    const Game::LevelRead level = Game::parseLevel(std::string(reinterpret_cast<const char*>(data), size), maxBlocks);
    GAME_ASSERT(level.ok() || level.blocks.empty());
    GAME_ASSERT(level.error.find_first_of("\r\n") == std::string::npos);
    if (!level.ok()) return false;
    for (const Game::BlockPose& block : level.blocks) {
        GAME_ASSERT(Game::withinLevelLimits(block) == block);
        GAME_ASSERT(std::abs(glm::length(block.rotation) - 1.0f) < 2e-5f); // unit to 1e-5, measured in floats
    }
    const Game::LevelRead back = Game::parseLevel(Game::formatLevel(level.blocks), maxBlocks);
    GAME_ASSERT(back.ok() && back.blocks == level.blocks);
    return true;
}

// Any text is a profile: the rewrite keeps every line but those of the six
// keys byte for byte (a last line without a line feed may gain one, when
// keys are added after it), and the result reads back as the settings
// written: those the text held, changed.
bool consumeProfileRewrite(const uint8_t* data, std::size_t size)
{
    static const std::string rewritten = scratchPath("rewritten");
    const std::string text(reinterpret_cast<const char*>(data), size);
    Engine::WindowSettings settings = UI::loadSettings(writeInput(data, size), noTargetLimit);
    settings.fullscreen = !settings.fullscreen;
    settings.mouseSpeed = 1.5f;
    settings.maxAnisotropy = 1.0f / 3.0f;
    const std::string result = Engine::rewriteConfigText(text, UI::profileValues(settings));
    const std::string before = untouchedBytes(text), after = untouchedBytes(result);
    const bool unterminated = !text.empty() && text.back() != '\n';
    GAME_ASSERT(after == before || (unterminated && (after == before + "\n" || after == before + "\r\n")));
    std::ofstream(rewritten, std::ios::binary | std::ios::trunc) << result;
    GAME_ASSERT(sameSettings(UI::loadSettings(rewritten, noTargetLimit), settings));
    return true;
}


// Every accepted ghost holds finite samples within the limit and writes back
// to the same bytes.
bool consumeGhostFile(const uint8_t* data, std::size_t size)
{
    const auto samples = readOrReject(Game::readGhostFile, data, size);
    if (!samples) return false;
    GAME_ASSERT(!samples->empty() && samples->size() <= Game::maxGhostSamples);
    for (const Game::GhostSample& sample : *samples) GAME_ASSERT(std::isfinite(sample.yaw));
    const auto write = [](const std::string& path, const std::vector<Game::GhostSample>& value) {
        GAME_ASSERT(Game::writeGhostFile(path, value).ok());
    };
    const auto read = [](const std::string& path) { return std::optional(Game::readGhostFile(path)); };
    checkRoundTrip(read, write, *samples);
    return true;
}

// A refusal is one line naming the file; accepted records format to a text
// that parses back to the same records.
bool consumeRecordsFile(const uint8_t* data, std::size_t size)
{
    const std::string path = "records.cfg";
    const Game::RecordsRead read = Game::parseRecords(std::string(data, data + size), path);
    if (!read.ok()) {
        GAME_ASSERT(read.error.rfind(path + ": ", 0) == 0 && read.error.find_first_of("\n\r") == std::string::npos);
        return false;
    }
    GAME_ASSERT(Game::parseRecords(Game::formatRecords(read.records), path).records == read.records);
    return true;
}

} // namespace Fuzz
