#pragma once

#include <gtest/gtest.h>

// Test support for code that needs a current OpenGL 3.3 core context: a
// hidden SDL window with its context and GLEW, made once per process on first
// use (a death test's child process makes its own).
namespace GameGLTesting {

void ensureContext();

// Takes every pending GL error, so a test starts from a clean slate.
void drainGLErrors();

// A current context before each test and no GL error left behind by it.
class GLTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace GameGLTesting
