#include "Engine/ECS/SystemType.h"

#include <gtest/gtest.h>

namespace Outer::Inner {
struct QualifiedThing {};
template <class T>
struct Wrapper {};
struct Enclosing {
    struct Nested {};
};
} // namespace Outer::Inner

namespace {

struct HiddenThing {};

using Engine::ECS::systemTypeOf;

TEST(SystemType, NameDropsNamespacesAndEnclosingScopesButKeepsTemplateArguments)
{
    struct LocalThing {};
    EXPECT_EQ(systemTypeOf<Outer::Inner::QualifiedThing>().name, "QualifiedThing");
    EXPECT_EQ(systemTypeOf<Outer::Inner::QualifiedThing>().qualifiedName, "Outer::Inner::QualifiedThing");
    EXPECT_EQ(systemTypeOf<HiddenThing>().name, "HiddenThing");
    EXPECT_EQ(systemTypeOf<Outer::Inner::Enclosing::Nested>().name, "Nested");
    EXPECT_EQ(systemTypeOf<Outer::Inner::Wrapper<Outer::Inner::QualifiedThing>>().name,
              "Wrapper<Outer::Inner::QualifiedThing>");
    EXPECT_EQ(systemTypeOf<LocalThing>().name, "LocalThing");
    EXPECT_EQ(Engine::ECS::unqualifiedTypeName("CameraDeltaSystem"), "CameraDeltaSystem");
    EXPECT_EQ(Engine::ECS::unqualifiedTypeName("a::b(int, c::d)::Local"), "Local");
}

} // namespace
