#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace E2E {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

// An image of the whole X screen (ImageMagick's import -window root), held
// as 8-bit RGB rows from the top.
class Screenshot {
public:
    static Screenshot capture();
    // Reads binary PPM (P6, maximum value 255).
    static Screenshot fromPpm(const std::string& bytes);

    int width() const { return imageWidth; }
    int height() const { return imageHeight; }
    Rgb pixel(int x, int y) const;

    // Keeps the image for looking at after a failed test.
    void writePpm(const std::string& path) const;

private:
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<uint8_t> rgb;
};

// Whether every channel lies within the tolerance of the expected colour.
bool closeTo(const Rgb& actual, const Rgb& expected, int tolerance);

} // namespace E2E
