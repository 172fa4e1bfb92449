#pragma once

#include "Engine/Core/KeyboardState.h"

#include <SDL_scancode.h>

#include <bitset>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace UI {

// The editing rules of a one-line text field, over the key presses and typed
// text of a step in the order they came. A check gives the problem with a
// text (empty when there is none): typing that would make a text with a
// problem is refused, and Enter accepts only a text without one, so what the
// field holds after any typing is always acceptable or on its way there
// (shorter). Backspace and Delete remove whole UTF-8 characters. A key held
// since before the field opened (the shortcut that opened it) does not type
// when the platform repeats it.
class TextField {
public:
    enum class Outcome { editing, accepted, cancelled };
    using Check = std::function<std::string(const std::string&)>;

    explicit TextField(Check check, std::string text = "");

    // Stops at Enter or Escape; the presses after it are left for others.
    Outcome take(const std::vector<Engine::KeyPress>& presses);

    const std::string& text() const { return content; }
    std::size_t caret() const { return caretAt; }
    // The text with a bar at the caret, as the field shows it.
    std::string shown() const;
    // Why the last typing or Enter was refused, or the text's own problem;
    // empty when all is well.
    const std::string& message() const { return note; }

private:
    Outcome takeOne(const Engine::KeyPress& press);
    bool typedHere(int32_t key) const;
    void type(const std::string& typed);
    void eraseBefore();
    void eraseAfter();
    std::size_t previousCharacter() const;
    std::size_t nextCharacter() const;

    Check check;
    std::string content;
    std::size_t caretAt;
    std::string note;
    std::bitset<SDL_NUM_SCANCODES> pressedHere;
};

} // namespace UI
