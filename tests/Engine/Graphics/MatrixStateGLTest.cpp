#include "Engine/Graphics/MatrixState.h"

#include <glm/gtc/matrix_transform.hpp>

#include "GLTestContext.h"

namespace {

const std::string allMatricesVertex = "#version 330 core\n"
                                      "in vec3 aPos;\n"
                                      "uniform mat4 uModelViewMatrix;\n"
                                      "uniform mat4 uProjectionMatrix;\n"
                                      "uniform mat4 uModelMatrix;\n"
                                      "out vec4 vWorld;\n"
                                      "void main() {\n"
                                      "    vWorld = uModelMatrix * vec4(aPos, 1.0);\n"
                                      "    gl_Position = uProjectionMatrix * uModelViewMatrix * vec4(aPos, 1.0);\n"
                                      "}\n";

const std::string noModelVertex = "#version 330 core\n"
                                   "in vec3 aPos;\n"
                                   "uniform mat4 uOther;\n"
                                   "uniform mat4 uProjectionMatrix;\n"
                                   "uniform mat4 uModelViewMatrix;\n"
                                   "out vec4 vWorld;\n"
                                   "void main() {\n"
                                   "    vWorld = uOther * vec4(aPos, 1.0);\n"
                                   "    gl_Position = uProjectionMatrix * uModelViewMatrix * vec4(aPos, 1.0);\n"
                                   "}\n";

const std::string worldFragment = "#version 330 core\n"
                                  "in vec4 vWorld;\n"
                                  "out vec4 fragColor;\n"
                                  "void main() { fragColor = vWorld; }\n";

const std::string twoSamplerVertex = "#version 330 core\n"
                                     "in vec3 aPos;\n"
                                     "uniform sampler2D uTex;\n"
                                     "out vec4 vColor;\n"
                                     "void main() { vColor = texture(uTex, aPos.xy);"
                                     " gl_Position = vec4(aPos, 1.0); }\n";

const std::string twoSamplerFragment = "#version 330 core\n"
                                       "in vec4 vColor;\n"
                                       "uniform sampler2D uNormal;\n"
                                       "out vec4 fragColor;\n"
                                       "void main() { fragColor = vColor * texture(uNormal, vec2(0.5)); }\n";

glm::mat4 readMatrix(const Shader& shader, const char* name)
{
    glm::mat4 value(0.0f);
    glGetUniformfv(shader.program, glGetUniformLocation(shader.program, name), &value[0][0]);
    return value;
}

GLint readInt(const Shader& shader, const char* name)
{
    GLint value = -1;
    glGetUniformiv(shader.program, glGetUniformLocation(shader.program, name), &value);
    return value;
}

class MatrixStateGLTest : public GLTesting::GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        matrices.view = glm::lookAt(glm::vec3(1.0f, 2.0f, 3.0f), glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, 1.0f));
        matrices.projection = glm::perspective(1.0f, 1.5f, 0.1f, 100.0f);
    }

    Engine::Window window;
    MatrixState matrices{&window};
    const glm::mat4 model = glm::translate(glm::mat4(1.0f), glm::vec3(4.0f, 5.0f, 6.0f));
};

TEST_F(MatrixStateGLTest, SetModelUploadsModelViewProjectionAndModel)
{
    Shader shader(allMatricesVertex, worldFragment);
    matrices.use(shader);
    matrices.setModel(model);

    EXPECT_EQ(matrices.modelView, matrices.view * model);
    EXPECT_EQ(readMatrix(shader, "uModelViewMatrix"), matrices.view * model);
    EXPECT_EQ(readMatrix(shader, "uProjectionMatrix"), matrices.projection);
    EXPECT_EQ(readMatrix(shader, "uModelMatrix"), model);
}

TEST_F(MatrixStateGLTest, UseAloneUploadsNoMatrix)
{
    Shader shader(allMatricesVertex, worldFragment);
    matrices.use(shader);
    EXPECT_EQ(readMatrix(shader, "uProjectionMatrix"), glm::mat4(0.0f));
    EXPECT_EQ(readMatrix(shader, "uModelViewMatrix"), glm::mat4(0.0f));
}

TEST_F(MatrixStateGLTest, ProgramWithoutModelMatrixGetsOnlyTheOtherTwo)
{
    Shader withModel(allMatricesVertex, worldFragment);
    Shader withoutModel(noModelVertex, worldFragment);
    matrices.use(withModel);
    matrices.use(withoutModel);
    matrices.setModel(model);

    EXPECT_FALSE(matrices.hasModel);
    EXPECT_EQ(readMatrix(withoutModel, "uModelViewMatrix"), matrices.view * model);
    EXPECT_EQ(readMatrix(withoutModel, "uProjectionMatrix"), matrices.projection);
    // A stale location of the previous program would land on some uniform here or raise a GL error.
    EXPECT_EQ(readMatrix(withoutModel, "uOther"), glm::mat4(0.0f));
}

TEST_F(MatrixStateGLTest, UseAssignsSamplerUnitsAcrossStages)
{
    Shader shader(twoSamplerVertex, twoSamplerFragment);
    ASSERT_GE(glGetUniformLocation(shader.program, "uTex"), 0);
    ASSERT_GE(glGetUniformLocation(shader.program, "uNormal"), 0);
    matrices.use(shader);
    EXPECT_EQ(readInt(shader, "uTex"), 0);
    EXPECT_EQ(readInt(shader, "uNormal"), 1);
}

TEST_F(MatrixStateGLTest, UseMakesTheProgramCurrent)
{
    Shader shader(allMatricesVertex, worldFragment);
    matrices.use(&shader);
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), shader.program);
}

} // namespace
