#include "IdColours.h"

#include <cassert>

Geometry::Vector idColour(std::uint32_t index) {
    assert(index < maxIdObjects);
    const std::uint32_t code = index + 1;
    return {(code & 0xFF) / 255.0, ((code >> 8) & 0xFF) / 255.0, ((code >> 16) & 0xFF) / 255.0};
}

std::uint32_t idOfPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16;
}

IdCoverage countIdPixels(const std::vector<std::uint8_t>& rgb, std::size_t objectCount) {
    IdCoverage coverage;
    coverage.pixels.assign(objectCount, 0);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        const std::uint32_t code = idOfPixel(rgb[i], rgb[i + 1], rgb[i + 2]);
        if (code == 0) continue;
        if (code <= objectCount)
            ++coverage.pixels[code - 1];
        else
            ++coverage.unknownPixels;
    }
    return coverage;
}
