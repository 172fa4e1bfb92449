// Fuzz target for the INI reader and the window settings read from it: the
// reader accepts any text, every stored key has exactly one type, and the
// settings are read from whatever the store holds.
#include <string>

#include "Engine/Config/IniReader.h"
#include "Engine/Config/WindowSettings.h"
#include "tests/fuzz/FuzzChecks.h"
#include "tests/fuzz/FuzzInputFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

// Fetches every key through the getter of its one type, which asserts the
// type it is asked for.
void checkSection(const IniSectionData& section)
{
    for (const std::string& key : section.keys()) {
        const int types = int{section.hasString(key)} + int{section.hasFloat(key)} + int{section.hasBool(key)};
        GAME_ASSERT(types == 1);
        if (section.hasString(key)) {
            section.getString(key);
        } else if (section.hasFloat(key)) {
            section.getFloat(key);
        } else {
            section.getBool(key);
        }
    }
}

void checkStore(const IniData& ini)
{
    for (const auto& [name, section] : ini.sections()) {
        GAME_ASSERT(ini.hasSection(name));
        GAME_ASSERT(&ini.getSection(name) == &section);
        checkSection(section);
    }
}

} // namespace

bool Fuzz::consumeInput(const uint8_t* data, std::size_t size)
{
    static InputFile input("ini");
    const IniData ini = loadIniFile(input.write(data, size));
    checkStore(ini);
    Engine::readWindowSettings(ini);
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Fuzz::consumeInput(data, size);
    return 0;
}
