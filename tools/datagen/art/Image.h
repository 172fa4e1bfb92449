#pragma once

#include <functional>
#include <vector>

#include <glm/glm.hpp>

namespace DataGen {

// RGBA image in 0..1 floats as they are stored in the file, with straight
// (not premultiplied) alpha.
// Row 0 is the bottom row, as GL and FreeImage count rows, so pixel (x, y)
// is sampled at texture coordinate ((x + 0.5) / width, (y + 0.5) / height).
class Image {
public:
    Image(int width, int height, const glm::vec4& fill = glm::vec4(0.0f));

    int width() const { return w; }
    int height() const { return h; }

    glm::vec4& at(int x, int y) { return pixels[index(x, y)]; }
    const glm::vec4& at(int x, int y) const { return pixels[index(x, y)]; }

    // Colour multiplied by alpha, for images drawn with (ONE, ONE_MINUS_SRC_ALPHA).
    Image premultiplied() const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * w + x; }

    int w;
    int h;
    std::vector<glm::vec4> pixels;
};

// A shade gives the straight RGBA colour at a point in pixel units, origin at
// the image's bottom-left corner and y up.
using Shade = std::function<glm::vec4(glm::vec2 point)>;

// Renders `shade` with samplesPerAxis^2 samples per pixel, averaged with
// alpha weighting so that transparent samples do not darken edges.
Image renderImage(int width, int height, int samplesPerAxis, const Shade& shade);

} // namespace DataGen
