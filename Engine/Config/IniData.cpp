#include "Engine/Config/IniData.h"

#include "Engine/Base/Assert.h"

bool IniData::hasSection(const std::string& name) const
{
    return sectionsByName.count(name) != 0;
}

const IniSectionData& IniData::getSection(const std::string& name) const
{
    GAME_ASSERT_MSG(hasSection(name), "hasSection(name) == true");
    return sectionsByName.at(name);
}

IniSectionData& IniData::obtainSection(const std::string& name)
{
    return sectionsByName[name];
}
