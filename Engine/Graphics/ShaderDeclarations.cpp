#include "Engine/Graphics/ShaderDeclarations.h"

#include "Engine/Config/FileUtil.h"

namespace {

constexpr size_t declarationTokens = 3;

std::vector<std::string> tokensOf(const std::string& line)
{
    return FileUtil::split(FileUtil::trimRight(FileUtil::trimLeft(line)), ' ');
}

// The third token with its last character (taken to be the ";") removed.
std::string declaredName(const std::vector<std::string>& tokens)
{
    std::string name = tokens[2];
    name.pop_back();
    return name;
}

void addUniform(const std::string& type, const std::string& name, ShaderDeclarations& found)
{
    // "uBones[64]" declares "uBones"; a name with nothing but brackets declares nothing.
    const std::vector<std::string> pieces = FileUtil::split(name, '[');
    if (pieces.empty()) {
        return;
    }
    if (type == "sampler2D") {
        found.samplers.push_back(pieces.front());
    } else {
        found.uniforms.push_back(pieces.front());
    }
}

void scanLine(const std::string& line, ShaderDeclarations& found)
{
    const std::vector<std::string> tokens = tokensOf(line);
    if (tokens.size() < declarationTokens) {
        return;
    }
    const std::string& keyword = tokens[0];
    const std::string name = declaredName(tokens);
    if (keyword == "attribute" || keyword == "in") {
        found.attributes.push_back(name);
    } else if (keyword == "uniform") {
        addUniform(tokens[1], name, found);
    }
}

} // namespace

void scanShaderDeclarations(const std::string& source, ShaderDeclarations& found)
{
    for (const std::string& line : FileUtil::split(source, '\n')) {
        scanLine(line, found);
    }
}
