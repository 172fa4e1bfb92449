#pragma once

#include <cstdint>
#include <vector>

#include "Engine/Graphics/Texture2D.h"

// One GL framebuffer collecting up to five colour attachments. The owner
// binds it, creates and attaches its targets, then calls finish; the
// textures and renderbuffers stay the owner's to keep and delete.
class FBO {
public:
    FBO(uint32_t width, uint32_t height);
    ~FBO();
    FBO(const FBO&) = delete;
    FBO& operator=(const FBO&) = delete;

    void attachTexture(const Engine::GFX::Texture2D& texture);
    // Sets the draw buffers, requires completeness and unbinds.
    void finish();

    uint32_t name = 0;
    std::vector<uint32_t> drawBuffers;
    uint32_t attachmentCount = 0;
    uint32_t width = 0;
    uint32_t height = 0;
};
