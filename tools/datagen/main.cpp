// The data tool: writes the game's images, meshes, skeleton, animation clip,
// font and sounds into the run folder given on the command line; with --list it
// prints the paths of the files it makes, one per line.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Game/Resources/DataFiles.h"
#include "tools/datagen/art/Art.h"
#include "tools/datagen/character/Character.h"
#include "tools/datagen/sound/SoundEffects.h"

namespace {

int listFiles()
{
    for (const Game::DataFile& file : Game::gameDataFiles()) {
        std::printf("%s\n", file.path);
    }
    return 0;
}

// Every file of the list must have been written: a file the game loads but
// nothing makes would only show up as a failed start.
bool checkWritten(const std::string& runDir)
{
    bool complete = true;
    for (const Game::DataFile& file : Game::gameDataFiles()) {
        if (!std::filesystem::is_regular_file(std::filesystem::path(runDir) / file.path)) {
            std::fprintf(stderr, "datagen: %s: not generated\n", file.path);
            complete = false;
        }
    }
    return complete;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <run folder> | --list\n", argv[0]);
        return 2;
    }
    const std::string argument = argv[1];
    if (argument == "--list") {
        return listFiles();
    }
    try {
        DataGen::writeArt(argument);
        DataGen::writeCharacter(argument);
        DataGen::writeFont(argument);
        DataGen::writeSounds(argument);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "datagen: %s\n", error.what());
        return 1;
    }
    return checkWritten(argument) ? 0 : 1;
}
