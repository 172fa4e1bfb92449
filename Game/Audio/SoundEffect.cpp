#include "Game/Audio/SoundEffect.h"

#include <array>

namespace Audio {

const Game::DataFile& effectFile(Effect effect)
{
    using namespace Game::DataFiles;
    // In the enumeration's order.
    static const std::array<Game::DataFile, effectCount> files{
        footstepSound, jumpSound, landingSound, ropeFireSound, ropeCatchSound, ropeReleaseSound,
        menuHoverSound, menuClickSound, editorPlaceSound, editorDeleteSound, editorUndoSound,
        checkpointSound, finishSound, newRecordSound,
    };
    return files.at(static_cast<std::size_t>(effect));
}

const Game::DataFile& windFile(int pitch)
{
    using namespace Game::DataFiles;
    static const std::array<Game::DataFile, 3> files{windLowSound, windMiddleSound, windHighSound};
    return files.at(static_cast<std::size_t>(pitch));
}

} // namespace Audio
