#pragma once

#include <string>
#include <tuple>
#include <typeinfo>

namespace Engine::ECS {

// The identity of a system class as the world orders it. Systems are ordered
// by their unqualified class name compared as byte strings, so
// "CameraDeltaSystem" < "CharacterControllerSystem" and
// "UIclickSystem" < "UiBackgroundDrawSystem" whatever their namespaces. The
// qualified name breaks ties between equally named classes of different
// namespaces, so they never share an entry.
//
// The names come from the compiler's own type information, demangled with the
// C++ ABI demangler, so a system class declares nothing to get its name: the
// name is the class name as written in the source. Template arguments stay
// part of the name ("Layer<3>"); namespaces, enclosing classes and enclosing
// functions are dropped.
struct SystemType {
    std::string name;
    std::string qualifiedName;

    bool operator<(const SystemType& other) const
    {
        return std::tie(name, qualifiedName) < std::tie(other.name, other.qualifiedName);
    }
    bool operator==(const SystemType& other) const { return qualifiedName == other.qualifiedName; }
};

// The demangled name of a type ("UI::System::UIclickSystem").
std::string qualifiedTypeName(const std::type_info& type);

// The name without its qualification: what follows the last "::" that is not
// inside template arguments or parentheses ("UIclickSystem").
std::string unqualifiedTypeName(const std::string& qualifiedName);

// Worked out once per system class.
template <class S>
const SystemType& systemTypeOf()
{
    static const SystemType type = [] {
        std::string qualified = qualifiedTypeName(typeid(S));
        std::string name = unqualifiedTypeName(qualified);
        return SystemType{std::move(name), std::move(qualified)};
    }();
    return type;
}

} // namespace Engine::ECS
