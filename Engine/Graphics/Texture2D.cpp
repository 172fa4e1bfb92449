#include "Engine/Graphics/Texture2D.h"

#include <GL/glew.h>

#include "Engine/Graphics/ImageFile.h"

namespace Engine::GFX {

Texture2D::Texture2D()
{
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
}

Texture2D::Texture2D(TextureFormat format, uint32_t width, uint32_t height)
    : Texture2D()
{
    const TextureStorage storage = textureStorage(format);
    this->width = width;
    this->height = height;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(storage.internalFormat),
                 static_cast<GLsizei>(width), static_cast<GLsizei>(height), 0,
                 storage.pixelFormat, storage.pixelType, nullptr);
    if (storage.attachment != 0) {
        glFramebufferTexture2D(GL_FRAMEBUFFER, storage.attachment, GL_TEXTURE_2D, name, 0);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

Texture2D::~Texture2D()
{
    glDeleteTextures(1, &name);
}

std::unique_ptr<Texture2D> Texture2D::loadFromFile(const std::string& path)
{
    const ImagePixels image = readImageFile(path);
    auto texture = std::make_unique<Texture2D>();
    texture->width = image.width;
    texture->height = image.height;
    glBindTexture(GL_TEXTURE_2D, texture->name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, static_cast<GLsizei>(image.width),
                 static_cast<GLsizei>(image.height), 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 image.bgra.empty() ? nullptr : image.bgra.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

void Texture2D::setFilters(int32_t minification, int32_t magnification)
{
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minification);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magnification);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Texture2D::setWrap(int32_t wrapS, int32_t wrapT)
{
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapS);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapT);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Texture2D::setMaxAnisotropy(float anisotropy)
{
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, anisotropy);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Texture2D::generateMipmaps()
{
    if (width == 0 || height == 0) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glGenerateMipmap(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
}

} // namespace Engine::GFX
