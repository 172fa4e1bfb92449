#include "Game/Resources/GameResources.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <GL/glew.h>
#include <gtest/gtest.h>

#include "Engine/Base/DataFileError.h"
#include "Engine/Mesh/MeshFile.h"
#include "tests/support/GLTestContext.h"

namespace {

namespace fs = std::filesystem;

// Runs each test in a fresh copy of the run folder's data, so a test can
// remove or spoil one file and load the whole set from there.
class ResourcesDataTest : public GLTesting::GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        runFolder = fs::current_path();
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        copyFolder = fs::path(testing::TempDir()) / (std::string("resources_") + test->name());
        fs::remove_all(copyFolder);
        fs::create_directories(copyFolder);
        fs::copy(runFolder / "data", copyFolder / "data", fs::copy_options::recursive);
        fs::current_path(copyFolder);
    }

    void TearDown() override
    {
        fs::current_path(runFolder);
        fs::remove_all(copyFolder);
        GLTest::TearDown();
    }

    // Loads the set and returns what it printed.
    std::string load()
    {
        testing::internal::CaptureStdout();
        resources = std::make_unique<Game::GameResources>(64, 48);
        return testing::internal::GetCapturedStdout();
    }

    // The message of the DataFileError the load throws ("" if it throws none).
    std::string loadError()
    {
        testing::internal::CaptureStdout();
        std::string message;
        try {
            resources = std::make_unique<Game::GameResources>(64, 48);
        } catch (const Engine::DataFileError& error) {
            message = error.what();
        }
        testing::internal::GetCapturedStdout();
        // A load stopped half-way may leave the GL state of its last step behind.
        while (glGetError() != GL_NO_ERROR) {
        }
        return message;
    }

    static void replaceInFile(const std::string& path, const std::string& from, const std::string& to)
    {
        std::ifstream in(path);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        text.replace(text.find(from), from.size(), to);
        std::ofstream(path) << text;
    }

    fs::path runFolder;
    fs::path copyFolder;
    std::unique_ptr<Game::GameResources> resources;
};

TEST_F(ResourcesDataTest, MissingImagesGiveEmptyTexturesWithoutAGLErrorAndLoadingGoesOn)
{
    fs::remove("data/textures/ui/button.png");
    fs::remove("data/textures/grid.png");
    fs::remove("data/textures/hexagon.png");
    load();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(resources->buttonTexture->width, 0u);
    EXPECT_EQ(resources->gridTexture->width, 0u);
    EXPECT_GT(resources->buttonHoverTexture->width, 0u);
    ASSERT_NE(resources->editorAxisMesh, nullptr);
}

TEST_F(ResourcesDataTest, MissingOrTruncatedModelDataStopsTheLoadNamingTheFile)
{
    const struct { const char* path; bool truncate; } rows[] = {
        {"data/skeletons/animation.cskel", false},
        {"data/animations/animation_running.canim", false},
        {"data/models/animation.camesh", true},
        {"data/models/axisEditorMesh.cmesh", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        const fs::path original = runFolder / row.path;
        if (row.truncate)
            fs::resize_file(row.path, fs::file_size(row.path) / 2);
        else
            fs::remove(row.path);
        const std::string message = loadError();
        EXPECT_NE(message.find(std::string("./") + row.path), std::string::npos) << message;
        fs::copy_file(original, row.path, fs::copy_options::overwrite_existing);
    }
}

TEST_F(ResourcesDataTest, EditorAxisMeshWithoutAnAxisPartIsRejected)
{
    const std::string path = "data/models/axisEditorMesh.cmesh";
    auto mesh = Engine::GFX::Mesh::readMeshFile(path);
    for (auto& part : mesh->parts)
        if (part.name == "y_axis_transform") part.name = "y_axis";
    Engine::GFX::Mesh::writeMeshFile(path, *mesh);

    const std::string message = loadError();
    EXPECT_NE(message.find("axisEditorMesh.cmesh"), std::string::npos) << message;
    EXPECT_NE(message.find("y_axis_transform"), std::string::npos) << message;
}

TEST_F(ResourcesDataTest, MissingFontLeavesEmptyTextsButAMalformedOneStopsTheLoadNamingTheLine)
{
    const std::string font = "data/fonts/engine_font.fnt";
    fs::remove(font);
    const std::string output = load();
    EXPECT_NE(output.find("MISSING FILE: ./data/fonts/engine_font.fnt"), std::string::npos) << output;
    EXPECT_TRUE(resources->font->glyphs.empty());
    EXPECT_FALSE(resources->fpsText->hasGeometry);
    EXPECT_NE(output.find("Mesh Loading"), std::string::npos);

    fs::copy_file(runFolder / font, font);
    replaceInFile(font, "lineHeight=29", "lineHeight=tall");
    const std::string message = loadError();
    EXPECT_NE(message.find("./data/fonts/engine_font.fnt: line 2"), std::string::npos) << message;
}

} // namespace
