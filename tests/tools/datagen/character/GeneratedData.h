#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tools/datagen/character/Character.h"

// Writes the character and the font once per test run into a fresh folder,
// the way the build writes them into the run folder.
inline const std::string& generatedDataDir()
{
    static const std::string dir = [] {
        const std::string path = ::testing::TempDir() + "datagen_character_data";
        std::filesystem::remove_all(path);
        DataGen::writeCharacter(path);
        DataGen::writeFont(path);
        return path + "/";
    }();
    return dir;
}
