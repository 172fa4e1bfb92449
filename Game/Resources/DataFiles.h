#pragma once

#include <vector>

namespace Game {

// How an image is set up after loading.
enum class TextureSetup {
    None,
    Mipmaps,          // mipmaps with the default filters
    SkyBox,           // linear, clamped at the edges, most anisotropic
    PixelatedMipmaps, // mipmaps, nearest magnification, most anisotropic
    SmoothMipmaps,    // trilinear, most anisotropic
    Nearest,          // nearest both ways, no mipmaps
};

// Sound: a mono 16-bit WAV played once, silent at both ends; SoundLoop: one
// played over and over, whose end runs on into its start without a seam.
enum class DataKind { Image, StaticMesh, SkinnedMesh, Skeleton, AnimationClip, FontDescription, FontPage, Sound, SoundLoop };

// One file of the game's binary data, with its path relative to the run
// folder as the game opens it.
struct DataFile {
    const char* path;
    DataKind kind;
    TextureSetup setup = TextureSetup::None;
};

// The one list of the data files the data tool makes and the game loads:
// the loader, the data tool and the tests all take paths from here.
namespace DataFiles {
inline constexpr DataFile characterMesh{"./data/models/animation.camesh", DataKind::SkinnedMesh};
// Where the character mesh stands in its own coordinates: the data tool
// authors it there, at the level's centre a few metres from the player's
// landing spot; whoever draws it elsewhere moves it from here.
inline constexpr float characterPlacementX = 4.0f, characterPlacementY = 0.0f, characterPlacementZ = 0.0f;
inline constexpr DataFile skeleton{"./data/skeletons/animation.cskel", DataKind::Skeleton};
inline constexpr DataFile runningClip{"./data/animations/animation_running.canim", DataKind::AnimationClip};
inline constexpr DataFile fontDescription{"./data/fonts/engine_font.fnt", DataKind::FontDescription};
// Named by the font description, which the font loader follows.
inline constexpr DataFile fontPage{"./data/fonts/engine_font.png", DataKind::FontPage};
inline constexpr DataFile editorAxisMesh{"./data/models/axisEditorMesh.cmesh", DataKind::StaticMesh};

inline constexpr DataFile grid{"data/textures/grid.png", DataKind::Image, TextureSetup::Mipmaps};
inline constexpr DataFile skyBox{"data/textures/skybox.png", DataKind::Image, TextureSetup::SkyBox};
inline constexpr DataFile defaultImage{"data/textures/default.png", DataKind::Image, TextureSetup::PixelatedMipmaps};
inline constexpr DataFile hexagon{"data/textures/hexagon.png", DataKind::Image, TextureSetup::SmoothMipmaps};
inline constexpr DataFile crosshair{"data/textures/crosshair.png", DataKind::Image, TextureSetup::Nearest};
inline constexpr DataFile testBox{"data/textures/ui/testBox.png", DataKind::Image};
inline constexpr DataFile button{"data/textures/ui/button.png", DataKind::Image};
inline constexpr DataFile buttonPressed{"data/textures/ui/button_down.png", DataKind::Image};
inline constexpr DataFile buttonHover{"data/textures/ui/button_hover.png", DataKind::Image};
inline constexpr DataFile white{"data/textures/ui/whitetexture.png", DataKind::Image};
inline constexpr DataFile mouseCursor{"data/textures/ui/mouse.png", DataKind::Image};

inline constexpr DataFile footstepSound{"./data/sounds/footstep.wav", DataKind::Sound};
inline constexpr DataFile jumpSound{"./data/sounds/jump.wav", DataKind::Sound};
inline constexpr DataFile landingSound{"./data/sounds/landing.wav", DataKind::Sound};
inline constexpr DataFile ropeFireSound{"./data/sounds/rope_fire.wav", DataKind::Sound};
inline constexpr DataFile ropeCatchSound{"./data/sounds/rope_catch.wav", DataKind::Sound};
inline constexpr DataFile ropeReleaseSound{"./data/sounds/rope_release.wav", DataKind::Sound};
// The wind at three pitches: SDL_mixer cannot change a chunk's pitch, so the
// game moves between these as the player speeds up.
inline constexpr DataFile windLowSound{"./data/sounds/wind_low.wav", DataKind::SoundLoop};
inline constexpr DataFile windMiddleSound{"./data/sounds/wind_middle.wav", DataKind::SoundLoop};
inline constexpr DataFile windHighSound{"./data/sounds/wind_high.wav", DataKind::SoundLoop};
inline constexpr DataFile menuHoverSound{"./data/sounds/menu_hover.wav", DataKind::Sound};
inline constexpr DataFile menuClickSound{"./data/sounds/menu_click.wav", DataKind::Sound};
inline constexpr DataFile editorPlaceSound{"./data/sounds/editor_place.wav", DataKind::Sound};
inline constexpr DataFile editorDeleteSound{"./data/sounds/editor_delete.wav", DataKind::Sound};
inline constexpr DataFile editorUndoSound{"./data/sounds/editor_undo.wav", DataKind::Sound};
inline constexpr DataFile checkpointSound{"./data/sounds/checkpoint.wav", DataKind::Sound};
inline constexpr DataFile finishSound{"./data/sounds/finish.wav", DataKind::Sound};
inline constexpr DataFile newRecordSound{"./data/sounds/new_record.wav", DataKind::Sound};
} // namespace DataFiles

// Every file above and the editor's tool icons (EditorTools.h), in the
// order the game loads them.
const std::vector<DataFile>& gameDataFiles();

} // namespace Game
