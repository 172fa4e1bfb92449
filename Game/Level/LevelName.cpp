#include "Game/Level/LevelName.h"

#include "Engine/Base/Assert.h"

#include <algorithm>

namespace Game {

bool LevelName::allowedCharacter(char c)
{
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    return letter || digit || c == ' ' || c == '-' || c == '_';
}

std::string LevelName::problem(const std::string& text)
{
    if (text.empty() || text.size() > maxLength)
        return "a level name has 1 to " + std::to_string(maxLength) + " characters";
    if (!std::all_of(text.begin(), text.end(), allowedCharacter))
        return "a level name holds only letters, digits, space, - and _";
    return "";
}

LevelName::Check LevelName::check(const std::string& text)
{
    return Check{problem(text), text};
}

LevelName LevelName::Check::name() const
{
    GAME_ASSERT_MSG(ok(), "a level name used without passing its check");
    return LevelName(text);
}

} // namespace Game
