#include "tools/datagen/art/Image.h"

namespace DataGen {

Image::Image(int width, int height, const glm::vec4& fill)
    : w(width), h(height), pixels(static_cast<std::size_t>(width) * height, fill)
{
}

Image Image::premultiplied() const
{
    Image result(w, h);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const glm::vec4& p = pixels[i];
        result.pixels[i] = glm::vec4(glm::vec3(p) * p.a, p.a);
    }
    return result;
}

Image renderImage(int width, int height, int samplesPerAxis, const Shade& shade)
{
    Image image(width, height);
    const float step = 1.0f / static_cast<float>(samplesPerAxis);
    const float sampleCount = static_cast<float>(samplesPerAxis * samplesPerAxis);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            glm::vec3 colourSum(0.0f);
            float alphaSum = 0.0f;
            for (int sy = 0; sy < samplesPerAxis; ++sy) {
                for (int sx = 0; sx < samplesPerAxis; ++sx) {
                    const glm::vec2 point(x + (sx + 0.5f) * step, y + (sy + 0.5f) * step);
                    const glm::vec4 c = glm::clamp(shade(point), 0.0f, 1.0f);
                    colourSum += glm::vec3(c) * c.a;
                    alphaSum += c.a;
                }
            }
            const glm::vec3 colour = alphaSum > 0.0f ? colourSum / alphaSum : glm::vec3(0.0f);
            image.at(x, y) = glm::vec4(colour, alphaSum / sampleCount);
        }
    }
    return image;
}

} // namespace DataGen
