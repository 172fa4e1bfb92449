#pragma once

#include <map>
#include <memory>
#include <string>

#include "Engine/Config/IniData.h"
#include "Engine/Graphics/Shader.h"

// Builds named shaders from the shader list: one INI section per shader name
// with the source file names "shaderVert" and "shaderFrag". Each source file
// is read at most once per collection, however many shaders share it.
class ShaderCollection {
public:
    static constexpr const char* defaultShaderDirectory = "./data/shader/";
    static constexpr const char* defaultShaderList = "./data/shaders.shconf";

    // The directory is put in front of every source file name as it stands
    // (no separator is inserted).
    explicit ShaderCollection(const std::string& shaderDirectory = defaultShaderDirectory,
                              const std::string& listPath = defaultShaderList);

    // A new program on every call; the caller owns it. The list must have a
    // section named shaderName.
    std::unique_ptr<Shader> load(const std::string& shaderName);

    std::map<std::string, std::string> sourceCache;
    std::unique_ptr<IniData> iniData;
    std::string shaderDirectory;

private:
    std::string sourceFileName(const std::string& shaderName, const std::string& key) const;
    const std::string& cachedSource(const std::string& fileName);
};
