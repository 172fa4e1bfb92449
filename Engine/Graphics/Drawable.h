#pragma once

namespace Engine::GFX {

// Anything that can be drawn with the current program. finishUpload is the
// hook a vertex array runs at the end of its upload while it is still bound.
class Drawable {
public:
    Drawable() = default;
    Drawable(const Drawable&) = delete;
    Drawable& operator=(const Drawable&) = delete;
    virtual ~Drawable() = default;

    virtual void draw() = 0;

protected:
    virtual void finishUpload() = 0;
};

} // namespace Engine::GFX
