#include "tests/e2e/Screenshot.h"

#include "tests/e2e/ChildProcess.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace E2E {

namespace {

constexpr int channels = 3;
constexpr int maxSampleValue = 255;

// Reads the next header number, skipping white space and "#" comments.
int readHeaderNumber(const std::string& bytes, std::size_t& at)
{
    while (at < bytes.size() && (std::isspace(static_cast<unsigned char>(bytes[at])) || bytes[at] == '#')) {
        if (bytes[at] == '#')
            at = bytes.find('\n', at);
        else
            ++at;
    }
    const std::size_t start = at;
    while (at < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[at])))
        ++at;
    if (start == at)
        throw std::runtime_error("screenshot: malformed PPM header");
    return std::atoi(bytes.substr(start, at - start).c_str());
}

} // namespace

Screenshot Screenshot::capture()
{
    return fromPpm(runCheckedCommand({"import", "-window", "root", "-depth", "8", "ppm:-"}));
}

Screenshot Screenshot::fromPpm(const std::string& bytes)
{
    if (bytes.compare(0, 2, "P6") != 0)
        throw std::runtime_error("screenshot: not a binary PPM image");
    std::size_t at = 2;
    Screenshot shot;
    shot.imageWidth = readHeaderNumber(bytes, at);
    shot.imageHeight = readHeaderNumber(bytes, at);
    if (readHeaderNumber(bytes, at) != maxSampleValue)
        throw std::runtime_error("screenshot: only 8-bit samples are read");
    ++at; // the single white space before the samples
    const std::size_t size = static_cast<std::size_t>(shot.imageWidth) * shot.imageHeight * channels;
    if (bytes.size() < at + size)
        throw std::runtime_error("screenshot: image data is truncated");
    shot.rgb.assign(bytes.begin() + at, bytes.begin() + at + size);
    return shot;
}

Rgb Screenshot::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= imageWidth || y >= imageHeight)
        throw std::out_of_range("screenshot: pixel outside the image");
    const std::size_t at = (static_cast<std::size_t>(y) * imageWidth + x) * channels;
    return Rgb{rgb[at], rgb[at + 1], rgb[at + 2]};
}

void Screenshot::writePpm(const std::string& path) const
{
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << imageWidth << " " << imageHeight << "\n" << maxSampleValue << "\n";
    file.write(reinterpret_cast<const char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
}

bool closeTo(const Rgb& actual, const Rgb& expected, int tolerance)
{
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance
        && std::abs(actual.b - expected.b) <= tolerance;
}

} // namespace E2E
