#include "Game/UI/TextField.h"

#include <SDL_scancode.h>

#include <utility>

namespace UI {

namespace {

bool isScancode(int32_t key)
{
    return key > 0 && key < SDL_NUM_SCANCODES;
}

bool continuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

TextField::TextField(Check check, std::string text)
    : check(std::move(check)), content(std::move(text)), caretAt(content.size())
{
}

TextField::Outcome TextField::take(const std::vector<Engine::KeyPress>& presses)
{
    for (const Engine::KeyPress& press : presses) {
        const Outcome outcome = takeOne(press);
        if (outcome != Outcome::editing) return outcome;
    }
    return Outcome::editing;
}

std::string TextField::shown() const
{
    return content.substr(0, caretAt) + "|" + content.substr(caretAt);
}

TextField::Outcome TextField::takeOne(const Engine::KeyPress& press)
{
    if (press.ctrl) return Outcome::editing; // shortcuts of the screen around the field, not edits
    if (!press.text.empty()) {
        if (!press.repeated || typedHere(press.typedBy)) type(press.text);
        return Outcome::editing;
    }
    if (isScancode(press.scancode)) pressedHere.set(static_cast<std::size_t>(press.scancode));
    switch (press.scancode) {
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        note = check(content);
        return note.empty() ? Outcome::accepted : Outcome::editing;
    case SDL_SCANCODE_ESCAPE: return Outcome::cancelled;
    case SDL_SCANCODE_BACKSPACE: eraseBefore(); break;
    case SDL_SCANCODE_DELETE: eraseAfter(); break;
    case SDL_SCANCODE_LEFT: caretAt = previousCharacter(); break;
    case SDL_SCANCODE_RIGHT: caretAt = nextCharacter(); break;
    case SDL_SCANCODE_HOME: caretAt = 0; break;
    case SDL_SCANCODE_END: caretAt = content.size(); break;
    default: break;
    }
    return Outcome::editing;
}

bool TextField::typedHere(int32_t key) const
{
    return isScancode(key) && pressedHere.test(static_cast<std::size_t>(key));
}

void TextField::type(const std::string& typed)
{
    std::string candidate = content;
    candidate.insert(caretAt, typed);
    note = check(candidate);
    if (!note.empty()) return;
    content = std::move(candidate);
    caretAt += typed.size();
}

void TextField::eraseBefore()
{
    const std::size_t from = previousCharacter();
    content.erase(from, caretAt - from);
    caretAt = from;
    note = check(content);
}

void TextField::eraseAfter()
{
    content.erase(caretAt, nextCharacter() - caretAt);
    note = check(content);
}

std::size_t TextField::previousCharacter() const
{
    std::size_t at = caretAt;
    while (at > 0 && continuationByte(content[--at])) {
    }
    return at;
}

std::size_t TextField::nextCharacter() const
{
    std::size_t at = caretAt;
    if (at < content.size()) ++at;
    while (at < content.size() && continuationByte(content[at])) ++at;
    return at;
}

} // namespace UI
