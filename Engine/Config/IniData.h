#pragma once

#include "Engine/Config/IniSectionData.h"

#include <map>
#include <string>

// An INI store: sections by name (case-sensitive). The unnamed section ""
// holds the keys that come before the first section header.
class IniData {
public:
    bool hasSection(const std::string& name) const;

    // Precondition: hasSection(name).
    const IniSectionData& getSection(const std::string& name) const;

    // The section to store a value in, created on first use.
    IniSectionData& obtainSection(const std::string& name);

    const std::map<std::string, IniSectionData>& sections() const { return sectionsByName; }

private:
    std::map<std::string, IniSectionData> sectionsByName;
};
