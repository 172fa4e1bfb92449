#include "Engine/Graphics/ShaderCollection.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "GLTestContext.h"

namespace {

namespace fs = std::filesystem;
using GLTesting::captureStdout;

const std::string plainVertex = "#version 330 core\nin vec3 aPos;\nvoid main() { gl_Position = vec4(aPos, 1.0); }\n";
const std::string redFragment = "#version 330 core\nout vec4 fragColor;\n"
                                "void main() { fragColor = vec4(1.0, 0.0, 0.0, 1.0); }\n";
const std::string tintFragment = "#version 330 core\nuniform vec4 uTint;\nout vec4 fragColor;\n"
                                 "void main() { fragColor = uTint; }\n";

const std::string shaderList = "[red]\nshaderVert = \"plain.vert\"\nshaderFrag = \"red.frag\"\n[tint]\n"
                               "shaderVert = \"plain.vert\"\nshaderFrag = \"tint.frag\"\n[noFragment]\n"
                               "shaderVert = \"plain.vert\"\n";

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::trunc) << text;
}

// A working directory laid out like the game's: ./data/shaders.shconf and ./data/shader/.
class ShaderCollectionGLTest : public GLTesting::GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        root = fs::path(testing::TempDir()) / ("shader_collection_" + std::to_string(getpid()));
        fs::create_directories(root / "data" / "shader");
        writeText(root / "data" / "shaders.shconf", shaderList);
        writeSource("plain.vert", plainVertex);
        writeSource("red.frag", redFragment);
        writeSource("tint.frag", tintFragment);
        previous = fs::current_path();
        fs::current_path(root);
    }

    void TearDown() override
    {
        fs::current_path(previous);
        fs::remove_all(root);
        GLTest::TearDown();
    }

    void writeSource(const std::string& name, const std::string& text)
    {
        writeText(root / "data" / "shader" / name, text);
    }

    fs::path root;
    fs::path previous;
};

TEST_F(ShaderCollectionGLTest, EveryLoadBuildsANewProgramFromSourcesReadOnce)
{
    ShaderCollection collection;
    EXPECT_EQ(collection.shaderDirectory, "./data/shader/");
    const std::unique_ptr<Shader> tint = collection.load("tint");
    EXPECT_TRUE(tint->hasUniform("uTint"));
    EXPECT_EQ(tint->attributes.front(), "aPos");
    collection.load("red");
    // Later shaders must come from the cached text, not the file now on disk.
    writeSource("plain.vert", "this no longer compiles\n");
    std::unique_ptr<Shader> again;
    EXPECT_EQ(captureStdout([&] { again = collection.load("tint"); }), "");
    EXPECT_EQ(again->vertexStage->source, plainVertex);
    EXPECT_EQ(collection.sourceCache.size(), 3u);
    EXPECT_NE(again->program, tint->program);
    EXPECT_TRUE(glIsProgram(tint->program));
    EXPECT_TRUE(glIsProgram(again->program));
}

TEST_F(ShaderCollectionGLTest, MissingKeyCompilesEmptyTextAndCarriesOn)
{
    ShaderCollection collection;
    std::unique_ptr<Shader> broken;
    const std::string out = captureStdout([&] { broken = collection.load("noFragment"); });

    EXPECT_EQ(broken->fragmentStage->source, "");
    EXPECT_NE(out.find("Unable to compile shader " + std::to_string(broken->fragmentStage->name) + "!"),
              std::string::npos);
    EXPECT_NE(out.find("Error linking program " + std::to_string(broken->program) + "!"), std::string::npos);
    EXPECT_EQ(captureStdout([&] { collection.load("red"); }), "");
}

TEST_F(ShaderCollectionGLTest, DirectoryIsPrefixedWithoutSeparator)
{
    const std::string marked = plainVertex + "// prefixed copy\n";
    writeSource("v1_plain.vert", marked);
    writeSource("v1_red.frag", redFragment);
    ShaderCollection collection("./data/shader/v1_");
    EXPECT_EQ(collection.load("red")->vertexStage->source, marked);
}

using ShaderCollectionGLDeathTest = ShaderCollectionGLTest;

TEST_F(ShaderCollectionGLDeathTest, UnknownShaderNameIsAProgrammingError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // GL state does not survive a fork
    ShaderCollection collection;
    EXPECT_DEATH(collection.load("glow"),
                 "Assertion failed: this->iniData->hasSection\\(shaderName\\) == true ");
}

} // namespace
