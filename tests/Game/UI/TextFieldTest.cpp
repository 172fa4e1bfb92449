#include "Engine/Core/StepInput.h"
#include "Game/Level/LevelName.h"
#include "Game/UI/TextField.h"

#include <gtest/gtest.h>

#include <cstring>
#include <variant>

namespace {

using Outcome = UI::TextField::Outcome;

// A key going down, or text the platform's text input made.
using Typed = std::variant<SDL_Scancode, std::string>;

SDL_Event eventOf(const Typed& typed)
{
    SDL_Event event{};
    if (const auto* key = std::get_if<SDL_Scancode>(&typed)) {
        event.type = SDL_KEYDOWN;
        event.key.keysym.scancode = *key;
        return event;
    }
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, std::get<std::string>(typed).c_str(), sizeof event.text.text - 1);
    return event;
}

// One step of platform events through the engine's input refresh into the field.
struct FieldOverEngineInput {
    std::vector<uint8_t> platformKeys = std::vector<uint8_t>(SDL_NUM_SCANCODES, 0);
    Engine::KeyboardState keyboard{platformKeys.data(), SDL_NUM_SCANCODES};
    UI::TextField field{Game::LevelName::problem, "ab"};

    Outcome step(const std::vector<Typed>& typed)
    {
        Engine::EventQueue queue;
        Engine::StepInput input;
        for (const Typed& each : typed) input.take(eventOf(each), queue);
        keyboard.refresh(input.keyPresses);
        return field.take(keyboard.presses);
    }
};

TEST(TextField, TypingEditingAndTheEndKeysThroughTheEngineInput)
{
    const std::string characterRule = "a level name holds only letters, digits, space, - and _";
    struct Row {
        std::vector<Typed> typed;
        std::string shown;
        Outcome outcome;
        std::string message;
    };
    const Row rows[] = {
        {{std::string("c"), std::string(" 1")}, "abc 1|", Outcome::editing, ""},
        {{SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_LEFT, SDL_SCANCODE_LEFT, std::string("-")}, "ab-|c ", Outcome::editing, ""},
        {{std::string("/"), std::string("\xC3\xA9"), std::string(".")}, "ab-|c ", Outcome::editing, characterRule},
        {{SDL_SCANCODE_HOME, SDL_SCANCODE_DELETE, SDL_SCANCODE_END}, "b-c |", Outcome::editing, ""},
        {{std::string(28, 'x'), std::string("x")}, "b-c " + std::string(28, 'x') + "|", Outcome::editing,
         "a level name has 1 to 32 characters"},
        {{SDL_SCANCODE_HOME, SDL_SCANCODE_DELETE, SDL_SCANCODE_DELETE, SDL_SCANCODE_DELETE, SDL_SCANCODE_DELETE},
         "|" + std::string(28, 'x'), Outcome::editing, ""},
    };
    FieldOverEngineInput input;
    for (const Row& row : rows) {
        EXPECT_EQ(input.step(row.typed), row.outcome) << row.shown;
        EXPECT_EQ(input.field.shown(), row.shown);
        EXPECT_EQ(input.field.message(), row.message) << row.shown;
    }
    EXPECT_EQ(input.step({SDL_SCANCODE_RETURN, std::string("y")}), Outcome::accepted);
    EXPECT_EQ(input.field.text(), std::string(28, 'x')) << "what follows Enter is not the field's";
}

TEST(TextField, EnterWaitsForAnAcceptableTextAndEscapeCancels)
{
    FieldOverEngineInput input;
    EXPECT_EQ(input.step({SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_BACKSPACE}), Outcome::editing);
    EXPECT_EQ(input.field.shown(), "|");
    EXPECT_EQ(input.step({SDL_SCANCODE_RETURN}), Outcome::editing) << "an empty name is not accepted";
    EXPECT_EQ(input.field.message(), "a level name has 1 to 32 characters");
    EXPECT_EQ(input.step({std::string("q"), SDL_SCANCODE_ESCAPE, SDL_SCANCODE_RETURN}), Outcome::cancelled);
    EXPECT_EQ(input.field.text(), "q");

    input.field.take({Engine::KeyPress{SDL_SCANCODE_UNKNOWN, true, true, "s"}, Engine::KeyPress{SDL_SCANCODE_A, true}});
    EXPECT_EQ(input.field.text(), "q") << "text and keys of a Ctrl shortcut are not typing";

    // Ctrl+Shift+S opened the field and is held past the platform's repeat
    // delay, Ctrl let go first: the repeats of S are the shortcut's, not
    // typing. S pressed again in the field types, and so do its repeats.
    auto key = [](Uint32 type, SDL_Scancode scancode, Uint16 mod, Uint8 repeat = 0) {
        SDL_Event event = eventOf(scancode);
        event.type = type;
        event.key.keysym.mod = mod;
        event.key.repeat = repeat;
        return event;
    };
    const Uint16 ctrlShift = KMOD_LCTRL | KMOD_LSHIFT;
    Engine::EventQueue queue;
    Engine::StepInput shortcut;
    for (const SDL_Event& event : {key(SDL_KEYDOWN, SDL_SCANCODE_LCTRL, KMOD_LCTRL),
                                   key(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT, ctrlShift),
                                   key(SDL_KEYDOWN, SDL_SCANCODE_S, ctrlShift)})
        shortcut.take(event, queue);
    Engine::StepInput held(shortcut.lastKeyDown);
    for (const SDL_Event& event : {key(SDL_KEYDOWN, SDL_SCANCODE_S, ctrlShift, 1),
                                   key(SDL_KEYUP, SDL_SCANCODE_LCTRL, KMOD_LSHIFT),
                                   key(SDL_KEYDOWN, SDL_SCANCODE_S, KMOD_LSHIFT, 1), eventOf(std::string("S")),
                                   key(SDL_KEYUP, SDL_SCANCODE_LSHIFT, KMOD_NONE),
                                   key(SDL_KEYUP, SDL_SCANCODE_S, KMOD_NONE)})
        held.take(event, queue);
    input.field.take(held.keyPresses);
    EXPECT_EQ(input.field.text(), "q") << "a repeat of the key that opened the field typed";
    Engine::StepInput typed(held.lastKeyDown);
    for (const SDL_Event& event : {key(SDL_KEYDOWN, SDL_SCANCODE_S, KMOD_NONE), eventOf(std::string("s")),
                                   key(SDL_KEYDOWN, SDL_SCANCODE_S, KMOD_NONE, 1), eventOf(std::string("s"))})
        typed.take(event, queue);
    input.field.take(typed.keyPresses);
    EXPECT_EQ(input.field.text(), "qss");

    UI::TextField utf8{[](const std::string&) { return std::string(); }, "a\xC3\xA9"};
    utf8.take({Engine::KeyPress{SDL_SCANCODE_LEFT}});
    EXPECT_EQ(utf8.caret(), 1u) << "the caret steps over a whole character";
    utf8.take({Engine::KeyPress{SDL_SCANCODE_END}, Engine::KeyPress{SDL_SCANCODE_BACKSPACE}});
    EXPECT_EQ(utf8.text(), "a");
}

} // namespace
