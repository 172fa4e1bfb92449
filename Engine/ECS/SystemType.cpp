#include "Engine/ECS/SystemType.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace Engine::ECS {

std::string qualifiedTypeName(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    // Without a demangled name the raw one still identifies the type uniquely.
    if (status != 0 || demangled == nullptr) return type.name();
    return demangled.get();
}

std::string unqualifiedTypeName(const std::string& qualifiedName)
{
    // "(anonymous namespace)", function signatures of local classes and
    // template arguments may hold "::" of their own; only a separator at
    // nesting depth 0 ends a qualifier.
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < qualifiedName.size(); ++i) {
        const char c = qualifiedName[i];
        if (c == '<' || c == '(') {
            ++depth;
        } else if (c == '>' || c == ')') {
            --depth;
        } else if (depth == 0 && c == ':' && i + 1 < qualifiedName.size() && qualifiedName[i + 1] == ':') {
            start = i + 2;
            ++i;
        }
    }
    return qualifiedName.substr(start);
}

} // namespace Engine::ECS
