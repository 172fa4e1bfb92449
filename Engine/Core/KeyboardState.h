#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Engine {

// One key going down, as the platform reported it; `ctrl` and `shift` tell
// whether such a key was down at that moment. Text the platform's text input
// made (a typed letter, a composed character) comes in the same list, in the
// order it was typed among the keys, as an entry without a key (scancode 0,
// SDL_SCANCODE_UNKNOWN) holding the UTF-8 text, with `ctrl` as the key-down
// that made it had it; `typedBy` is that key and `repeated` tells whether it
// was the platform's repeat of a held key.
struct KeyPress {
    int32_t scancode = 0;
    bool ctrl = false;
    bool shift = false;
    std::string text{};
    int32_t typedBy = 0;
    bool repeated = false;
};

// The keys held in this update step and in the step before, indexed by SDL
// scancode. Only the platform's state at refresh time counts for these, so a
// key pressed and released between two steps is never held. Actions that must
// happen once per press read `presses` instead: every key-down of the step in
// the order it came, so two shortcuts pressed within one step both act, in
// that order.
class KeyboardState {
public:
    // platformState: the platform's key array (SDL_GetKeyboardState), which
    // stays valid and current for the whole run.
    KeyboardState(const uint8_t* platformState, int32_t keyCount);

    // Once per step: this step's keys become the previous ones and the
    // platform's state becomes this step's; stepPresses are this step's
    // key-downs in order.
    void refresh(const std::vector<KeyPress>& stepPresses);

    bool held(int32_t scancode) const { return current[scancode] != 0; }
    bool pressed(int32_t scancode) const { return current[scancode] != 0 && previous[scancode] == 0; }
    bool released(int32_t scancode) const { return current[scancode] == 0 && previous[scancode] != 0; }
    // Either Ctrl key, left or right.
    bool ctrlHeld() const;

    const uint8_t* platformState;
    int32_t keyCount;
    std::vector<uint8_t> current;
    std::vector<uint8_t> previous;
    std::vector<KeyPress> presses;
};

} // namespace Engine
