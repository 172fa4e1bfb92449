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

TEST(SystemTypeNames, NamespacesAreDroppedFromTheName)
{
    const auto& type = Engine::ECS::systemTypeOf<Outer::Inner::QualifiedThing>();
    EXPECT_EQ(type.name, "QualifiedThing");
    EXPECT_EQ(type.qualifiedName, "Outer::Inner::QualifiedThing");
}

TEST(SystemTypeNames, AnonymousNamespaceIsDropped)
{
    EXPECT_EQ(Engine::ECS::systemTypeOf<HiddenThing>().name, "HiddenThing");
}

TEST(SystemTypeNames, EnclosingClassIsDropped)
{
    EXPECT_EQ(Engine::ECS::systemTypeOf<Outer::Inner::Enclosing::Nested>().name, "Nested");
}

TEST(SystemTypeNames, TemplateArgumentsKeepTheirQualifiers)
{
    const auto& type = Engine::ECS::systemTypeOf<Outer::Inner::Wrapper<Outer::Inner::QualifiedThing>>();
    EXPECT_EQ(type.name, "Wrapper<Outer::Inner::QualifiedThing>");
}

TEST(SystemTypeNames, LocalClassLosesItsEnclosingFunction)
{
    struct LocalThing {};
    EXPECT_EQ(Engine::ECS::systemTypeOf<LocalThing>().name, "LocalThing");
}

TEST(SystemTypeNames, UnqualifiedNameOfPlainNameIsItself)
{
    EXPECT_EQ(Engine::ECS::unqualifiedTypeName("CameraDeltaSystem"), "CameraDeltaSystem");
    EXPECT_EQ(Engine::ECS::unqualifiedTypeName("a::b(int, c::d)::Local"), "Local");
}

TEST(SystemTypeOrder, NamesCompareAsByteStrings)
{
    const Engine::ECS::SystemType click{"UIclickSystem", "UI::System::UIclickSystem"};
    const Engine::ECS::SystemType background{"UiBackgroundDrawSystem", "UI::System::UiBackgroundDrawSystem"};
    const Engine::ECS::SystemType camera{"CameraDeltaSystem", "CameraDeltaSystem"};
    const Engine::ECS::SystemType character{"CharacterControllerSystem", "CharacterControllerSystem"};
    EXPECT_TRUE(click < background);
    EXPECT_FALSE(background < click);
    EXPECT_TRUE(camera < character);
}

TEST(SystemTypeOrder, EqualNamesAreOrderedByQualifiedName)
{
    const Engine::ECS::SystemType first{"Draw", "A::Draw"};
    const Engine::ECS::SystemType second{"Draw", "B::Draw"};
    EXPECT_TRUE(first < second);
    EXPECT_FALSE(second < first);
}

} // namespace
