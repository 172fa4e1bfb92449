#include "Engine/Graphics/ShaderCollection.h"

#include "Engine/Config/FileUtil.h"
#include "Engine/Config/IniReader.h"
#include "Engine/Base/Assert.h"

namespace {
constexpr const char* vertexKey = "shaderVert";
constexpr const char* fragmentKey = "shaderFrag";
} // namespace

ShaderCollection::ShaderCollection(const std::string& shaderDirectory, const std::string& listPath)
    : shaderDirectory(shaderDirectory)
{
    iniData = std::make_unique<IniData>(loadIniFile(listPath));
}

std::unique_ptr<Shader> ShaderCollection::load(const std::string& shaderName)
{
    GAME_ASSERT(this->iniData->hasSection(shaderName) == true);
    const std::string vertexFile = sourceFileName(shaderName, vertexKey);
    const std::string fragmentFile = sourceFileName(shaderName, fragmentKey);
    const std::string& vertexSource = cachedSource(vertexFile);
    const std::string& fragmentSource = cachedSource(fragmentFile);
    return std::make_unique<Shader>(vertexSource, fragmentSource);
}

// A missing key gives an empty name; reading the bare directory then yields
// no text and the compile failure is reported like any other.
std::string ShaderCollection::sourceFileName(const std::string& shaderName,
                                             const std::string& key) const
{
    const IniSectionData& section = iniData->getSection(shaderName);
    return section.hasString(key) ? section.getString(key) : std::string();
}

const std::string& ShaderCollection::cachedSource(const std::string& fileName)
{
    auto found = sourceCache.find(fileName);
    if (found == sourceCache.end()) {
        found = sourceCache.emplace(fileName, FileUtil::readFile(shaderDirectory + fileName)).first;
    }
    return found->second;
}
