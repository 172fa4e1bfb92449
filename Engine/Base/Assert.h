#pragma once

// Programming errors stop the program with the failed condition as message.
// Unlike the standard assert these checks stay active in every build type,
// because the messages are part of the program's behaviour.
namespace Engine {
[[noreturn]] void assertionFailed(const char* condition, const char* file, int line);
}

// GAME_ASSERT(cond): the message is the condition as written in the code.
#define GAME_ASSERT(condition)                                                \
    do {                                                                      \
        if (!(condition)) ::Engine::assertionFailed(#condition, __FILE__, __LINE__); \
    } while (false)

// GAME_ASSERT_MSG(cond, "message"): for checks whose documented message
// differs from the expression that tests it.
#define GAME_ASSERT_MSG(condition, message)                                   \
    do {                                                                      \
        if (!(condition)) ::Engine::assertionFailed(message, __FILE__, __LINE__); \
    } while (false)
