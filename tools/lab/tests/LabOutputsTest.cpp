// ID colours, structure pictures, plot selection and the command line: no GL needed.
#include "IdColours.h"
#include "LabImages.h"
#include "LabOptions.h"
#include "LabPlots.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <png.h>

namespace {

// What an 8-bit frame buffer stores for a colour channel in [0, 1].
std::uint8_t stored(double channel) { return static_cast<std::uint8_t>(std::lround(channel * 255.0)); }

} // namespace

TEST(IdColours, EveryObjectOfTheSceneRoundTripsThroughEightBitChannels) {
    for (std::uint32_t index = 0; index < 70000; ++index) {
        const Geometry::Vector c = idColour(index);
        ASSERT_EQ(idOfPixel(stored(c.x), stored(c.y), stored(c.z)), index + 1) << index;
    }
}

TEST(IdColours, CountsPixelsPerObjectAndFlagsUnknownColours) {
    const std::vector<std::uint8_t> frame = {
        0,   0, 0, // background
        1,   0, 0, // object 0
        1,   0, 0, // object 0
        0,   1, 0, // code 256: object 255
        3,   0, 0, // code 3: object 2
        200, 0, 0, // code 200: no such object in a scene of 256
    };
    const IdCoverage coverage = countIdPixels(frame, 256);
    ASSERT_EQ(coverage.pixels.size(), 256u);
    EXPECT_EQ(coverage.pixels[0], 2u);
    EXPECT_EQ(coverage.pixels[1], 0u);
    EXPECT_EQ(coverage.pixels[2], 1u);
    EXPECT_EQ(coverage.pixels[255], 1u);
    EXPECT_EQ(coverage.unknownPixels, 0u);
    EXPECT_EQ(countIdPixels(frame, 100).unknownPixels, 2u);
}

TEST(StructurePictures, GridsAreFlippedToTopRowFirstAndScaledByNearestNeighbour) {
    // 2 x 2 grid, bottom row first: bottom (10, 20), top (30, 40).
    const std::uint8_t grid[] = {10, 20, 30, 40};
    const GreyImage image = scaledGrid(grid, 2, 3);
    ASSERT_EQ(image.width, 6);
    ASSERT_EQ(image.height, 6);
    EXPECT_EQ(image.pixels[0], 30); // top-left
    EXPECT_EQ(image.pixels[5], 40); // top-right
    EXPECT_EQ(image.pixels[2 * 6 + 2], 30);
    EXPECT_EQ(image.pixels[3 * 6 + 0], 10); // first row of the bottom half
    EXPECT_EQ(image.pixels[35], 20);        // bottom-right
}

TEST(StructurePictures, DepthBufferIsBlackWhereEmptyAndBrightestWhereNearest) {
    DepthEstimationBuffer buffer;
    clearDepthBuffer(buffer);
    buffer.cells[0] = 0.999;           // bottom-left, the farther
    buffer.cells[31 * 32 + 31] = 0.99; // top-right, the nearer
    const GreyImage image = depthBufferImage(buffer, 1, 1.0, 2000.0);
    ASSERT_EQ(image.width, 32);
    EXPECT_EQ(image.pixels[31], 255);         // top-right of the picture
    EXPECT_EQ(image.pixels[31 * 32], 64);     // bottom-left: the farthest recorded depth
    EXPECT_EQ(image.pixels[16 * 32 + 16], 0); // no occluder

    clearDepthBuffer(buffer);
    const GreyImage empty = depthBufferImage(buffer, 2, 1.0, 2000.0);
    EXPECT_EQ(std::count(empty.pixels.begin(), empty.pixels.end(), 0), 64 * 64);
}

TEST(StructurePictures, SideBySideAndWrittenAsReadablePng) {
    const std::uint8_t a[] = {255}, b[] = {1, 2, 3, 4};
    const GreyImage strip = besideEachOther({scaledGrid(a, 1, 4), scaledGrid(b, 2, 1)}, 3, 9);
    EXPECT_EQ(strip.width, 4 + 3 + 2);
    EXPECT_EQ(strip.height, 4);
    EXPECT_EQ(strip.pixels[0], 255);
    EXPECT_EQ(strip.pixels[5], 9);         // gap
    EXPECT_EQ(strip.pixels[7], 3);         // the small image, top row
    EXPECT_EQ(strip.pixels[3 * 9 + 7], 9); // below the small image

    const std::string path = (std::filesystem::temp_directory_path() / "lab-strip-test.png").string();
    ASSERT_TRUE(writePng(path, strip));
    png_image read{};
    read.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&read, path.c_str()));
    read.format = PNG_FORMAT_GRAY;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(read));
    ASSERT_TRUE(png_image_finish_read(&read, nullptr, pixels.data(), 0, nullptr));
    EXPECT_EQ(static_cast<int>(read.width), strip.width);
    EXPECT_EQ(static_cast<int>(read.height), strip.height);
    EXPECT_EQ(pixels, strip.pixels);
    std::filesystem::remove(path);

    EXPECT_FALSE(writePng("/nonexistent-folder/x.png", strip));
}

TEST(LabPlotChoice, FirstMiddleAndLastThreshold) {
    EXPECT_EQ(plotThresholds({255, 240, 200, 150, 100, 50, 0}), (std::vector<int>{255, 150, 0}));
    EXPECT_EQ(plotThresholds({255, 0}), (std::vector<int>{255, 0}));
    const std::string script = plotScript("results.csv", {255, 0});
    EXPECT_NE(script.find(cullingPlotName), std::string::npos);
    EXPECT_NE(script.find(costPlotName), std::string::npos);
    EXPECT_NE(script.find("layout 2,1"), std::string::npos); // one panel per threshold
}

TEST(LabCommandLine, OptionsAndTheirErrors) {
    std::string error;
    const auto options = parseLabOptions({"--quick", "--repeats", "5", "--no-plots", "out/x"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->quick);
    EXPECT_EQ(options->repeats, 5);
    EXPECT_FALSE(options->plots);
    EXPECT_EQ(options->folder, "out/x");

    const auto defaults = parseLabOptions({}, error);
    ASSERT_TRUE(defaults);
    EXPECT_FALSE(defaults->quick);
    EXPECT_EQ(defaults->repeats, 0);
    EXPECT_TRUE(defaults->folder.empty());

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--repeats"}, {"--repeats", "0"}, {"--repeats", "3x"}, {"--mesh"}, {"--fast"}, {"a", "b"}}) {
        EXPECT_FALSE(parseLabOptions(bad, error)) << bad.front();
        EXPECT_FALSE(error.empty());
    }
}
