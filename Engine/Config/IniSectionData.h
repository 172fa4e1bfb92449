#pragma once

#include <map>
#include <set>
#include <string>

// One section of an INI store. Every key has exactly one type, the type of
// the first value stored for it; readers ask for the key with the type they
// want before they fetch it.
class IniSectionData {
public:
    bool hasString(const std::string& key) const;
    bool hasFloat(const std::string& key) const;
    bool hasBool(const std::string& key) const;

    // Each getter asserts that the key exists with its type.
    const std::string& getString(const std::string& key) const;
    float getFloat(const std::string& key) const;
    bool getBool(const std::string& key) const;

    // A new key is stored; a key of the same type is overwritten; a key of
    // another type is left alone and false is returned.
    bool setString(const std::string& key, const std::string& value);
    bool setFloat(const std::string& key, float value);
    bool setBool(const std::string& key, bool value);

    const std::set<std::string>& keys() const { return allKeys; }

private:
    template <typename T>
    bool store(std::map<std::string, T>& typed, const std::string& key, const T& value);

    std::set<std::string> allKeys;
    std::map<std::string, std::string> strings;
    std::map<std::string, float> numbers;
    std::map<std::string, bool> booleans;
};
