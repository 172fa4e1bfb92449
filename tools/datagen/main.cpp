// The data tool: writes the game's images, meshes, skeleton, animation clip
// and font into the data folder given on the command line.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/datagen/art/Art.h"
#include "tools/datagen/character/Character.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <run folder>/data\n", argv[0]);
        return 2;
    }
    const std::string dataDir = argv[1];
    try {
        DataGen::writeArt(dataDir);
        DataGen::writeCharacter(dataDir);
        DataGen::writeFont(dataDir);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "datagen: %s\n", error.what());
        return 1;
    }
    return 0;
}
