#include "Engine/Graphics/MatrixState.h"

#include <glm/gtc/matrix_transform.hpp>

#include "GLTestContext.h"

namespace {

const std::string allMatricesVertex = "#version 330 core\nin vec3 aPos;\nuniform mat4 uModelViewMatrix;\n"
                                      "uniform mat4 uProjectionMatrix;\nuniform mat4 uModelMatrix;\n"
                                      "out vec4 vWorld;\nvoid main() {\n"
                                      "    vWorld = uModelMatrix * vec4(aPos, 1.0);\n"
                                      "    gl_Position = uProjectionMatrix * uModelViewMatrix * vec4(aPos, 1.0);\n"
                                      "}\n";

// Declared in another order, so the previous program's locations do not fit.
const std::string noModelVertex = "#version 330 core\nin vec3 aPos;\nuniform mat4 uOther;\n"
                                  "uniform mat4 uProjectionMatrix;\nuniform mat4 uModelViewMatrix;\n"
                                  "out vec4 vWorld;\nvoid main() {\n    vWorld = uOther * vec4(aPos, 1.0);\n"
                                  "    gl_Position = uProjectionMatrix * uModelViewMatrix * vec4(aPos, 1.0);\n}\n";

const std::string worldFragment = "#version 330 core\nin vec4 vWorld;\nout vec4 fragColor;\n"
                                  "void main() { fragColor = vWorld; }\n";

glm::mat4 readMatrix(const Shader& shader, const char* name)
{
    glm::mat4 value(0.0f);
    glGetUniformfv(shader.program, glGetUniformLocation(shader.program, name), &value[0][0]);
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

TEST_F(MatrixStateGLTest, UseMakesTheProgramCurrentAndSetModelUploadsWhatTheCurrentProgramDeclares)
{
    Shader withModel(allMatricesVertex, worldFragment);
    Shader withoutModel(noModelVertex, worldFragment);
    matrices.use(&withModel);
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), withModel.program);
    EXPECT_EQ(readMatrix(withModel, "uProjectionMatrix"), glm::mat4(0.0f));
    EXPECT_EQ(readMatrix(withModel, "uModelViewMatrix"), glm::mat4(0.0f));

    matrices.setModel(model);
    EXPECT_EQ(matrices.modelView, matrices.view * model);
    EXPECT_EQ(readMatrix(withModel, "uModelViewMatrix"), matrices.view * model);
    EXPECT_EQ(readMatrix(withModel, "uProjectionMatrix"), matrices.projection);
    EXPECT_EQ(readMatrix(withModel, "uModelMatrix"), model);

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
    const std::string vertex = "#version 330 core\nin vec3 aPos;\nuniform sampler2D uTex;\nout vec4 vColor;\n"
                               "void main() { vColor = texture(uTex, aPos.xy); gl_Position = vec4(aPos, 1.0); }\n";
    const std::string fragment = "#version 330 core\nin vec4 vColor;\nuniform sampler2D uNormal;\n"
                                 "out vec4 fragColor;\n"
                                 "void main() { fragColor = vColor * texture(uNormal, vec2(0.5)); }\n";
    Shader shader(vertex, fragment);
    matrices.use(shader);
    for (const auto& [name, unit] : {std::pair<const char*, GLint>{"uTex", 0}, {"uNormal", 1}}) {
        const GLint location = glGetUniformLocation(shader.program, name);
        ASSERT_GE(location, 0) << name;
        GLint value = -1;
        glGetUniformiv(shader.program, location, &value);
        EXPECT_EQ(value, unit) << name;
    }
}

} // namespace
