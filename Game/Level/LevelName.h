#pragma once

#include <cstddef>
#include <string>

namespace Game {

// A level's name as the player gave it, checked: 1 to maxLength characters,
// each an ASCII letter or digit, a space, '-' or '_'. Only a checked name can
// become part of a path, so no name the player types can reach outside the
// level folder ("../x", "a/b") or hide a NUL.
class LevelName {
public:
    static constexpr std::size_t maxLength = 32;

    // Why the text is not a level name; empty when it is one.
    static std::string problem(const std::string& text);
    // The same rule for one character, so a text field can refuse it as typed.
    static bool allowedCharacter(char c);

    struct Check;
    static Check check(const std::string& text);

    const std::string& text() const { return name; }
    // The file that holds the level of this name.
    std::string fileName() const { return name + ".cfg"; }

    bool operator==(const LevelName& other) const { return name == other.name; }
    bool operator!=(const LevelName& other) const { return name != other.name; }

private:
    explicit LevelName(std::string text) : name(std::move(text)) {}

    std::string name;
};

// The outcome of checking a text: the name, or the problem and no name.
struct LevelName::Check {
    std::string problem;
    std::string text;

    bool ok() const { return problem.empty(); }
    // Only when ok().
    LevelName name() const;
};

} // namespace Game
