#include "Engine/Config/IniSectionData.h"

#include "Engine/Base/Assert.h"

bool IniSectionData::hasString(const std::string& key) const
{
    return strings.count(key) != 0;
}

bool IniSectionData::hasFloat(const std::string& key) const
{
    return numbers.count(key) != 0;
}

bool IniSectionData::hasBool(const std::string& key) const
{
    return booleans.count(key) != 0;
}

const std::string& IniSectionData::getString(const std::string& key) const
{
    GAME_ASSERT_MSG(hasString(key), "hasString(key) == true");
    return strings.at(key);
}

float IniSectionData::getFloat(const std::string& key) const
{
    GAME_ASSERT_MSG(hasFloat(key), "hasFloat(key) == true");
    return numbers.at(key);
}

bool IniSectionData::getBool(const std::string& key) const
{
    GAME_ASSERT_MSG(hasBool(key), "hasBool(key) == true");
    return booleans.at(key);
}

bool IniSectionData::setString(const std::string& key, const std::string& value)
{
    return store(strings, key, value);
}

bool IniSectionData::setFloat(const std::string& key, float value)
{
    return store(numbers, key, value);
}

bool IniSectionData::setBool(const std::string& key, bool value)
{
    return store(booleans, key, value);
}

template <typename T>
bool IniSectionData::store(std::map<std::string, T>& typed, const std::string& key, const T& value)
{
    const bool known = allKeys.count(key) != 0;
    if (known && typed.count(key) == 0)
        return false;
    allKeys.insert(key);
    typed[key] = value;
    return true;
}
