// Checks what `culling-lab --quick FOLDER` wrote: a row for every method, configuration and angle,
// the viewer's own method deciding as it always has, and an index page that shows every picture.
// (The lab itself fails the run when a method meant to be exact culls a visible occludee.)
// Usage: lab_sweep_check FOLDER
#include "LabMethods.h"
#include "LabPlots.h"
#include "LabSweep.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

std::string folder;

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    return fields;
}

// The CSV as rows of named fields.
std::vector<std::map<std::string, std::string>> readRows() {
    std::ifstream csv(folder + "/results.csv");
    std::string line;
    std::getline(csv, line);
    const std::vector<std::string> header = split(line);
    std::vector<std::map<std::string, std::string>> rows;
    while (std::getline(csv, line)) {
        const std::vector<std::string> fields = split(line);
        rows.emplace_back();
        for (std::size_t i = 0; i < header.size() && i < fields.size(); ++i)
            rows.back()[header[i]] = fields[i];
    }
    return rows;
}

std::string key(const std::string& method, const std::string& config, int angle) {
    return method + " " + config + " " + std::to_string(angle);
}

} // namespace

// Catches a configuration or angle dropped from the sweep, or measured twice.
TEST(QuickSweep, OneRowPerMethodConfigurationAndAngle) {
    std::map<std::string, int> seen;
    for (const auto& row : readRows())
        ++seen[key(row.at("method"), row.at("config"), std::stoi(row.at("angle")))];
    std::size_t expected = 0;
    for (int angle : quickSweepPlan().angles) {
        for (const CullingMethod& method : cullingMethods())
            for (const std::string& config : method.configs) {
                EXPECT_EQ(seen[key(method.name, config, angle)], 1) << key(method.name, config, angle);
                ++expected;
            }
        for (const char* baseline : {drawAllName, oracleName, oracleOccludersName}) {
            EXPECT_EQ(seen[key(baseline, "-", angle)], 1) << key(baseline, "-", angle);
            ++expected;
        }
    }
    EXPECT_EQ(seen.size(), expected);
}

// Catches the viewer's pass run differently from the viewer (a stage left out or reordered, the
// threshold or camera not set): its counters at these angles are the ones it has always given.
TEST(QuickSweep, ViewerMethodDecidesAsTheViewerDoes) {
    const struct {
        int angle, threshold, passedHom, passedDeb;
    } known[] = {{0, 255, 188, 0},     {165, 255, 403, 382}, {180, 255, 182, 173}, {225, 255, 362, 362},
                 {270, 255, 161, 161}, {0, 200, 347, 0},     {165, 200, 487, 428}, {180, 200, 459, 450},
                 {225, 200, 446, 444}, {270, 200, 441, 441}, {0, 0, 640, 0},       {165, 0, 640, 455},
                 {180, 0, 640, 496},   {225, 0, 640, 488},   {270, 0, 640, 496}};
    std::map<std::string, std::map<std::string, std::string>> hom;
    for (const auto& row : readRows())
        if (row.at("method") == "hom") hom[row.at("config") + " " + row.at("angle")] = row;
    for (const auto& k : known) {
        const auto found = hom.find(std::to_string(k.threshold) + " " + std::to_string(k.angle));
        ASSERT_NE(found, hom.end()) << k.angle << " " << k.threshold;
        EXPECT_EQ(std::stoi(found->second.at("passedHom")), k.passedHom) << k.angle << " " << k.threshold;
        EXPECT_EQ(std::stoi(found->second.at("passedDeb")), k.passedDeb) << k.angle << " " << k.threshold;
        EXPECT_EQ(std::stoi(found->second.at("culled")), k.passedDeb) << k.angle << " " << k.threshold;
    }
}

// Catches truths mislaid between the angles' measuring and their judging (pixel counts of the
// full-scene and the 64 x 64 ID frames kept for the wrong objects, or only as shown or not): the
// judged counts at these angles are the ones the grid has always given.
TEST(QuickSweep, JudgedAgainstTheTruthsOfEachAngle) {
    const struct {
        const char *method, *config;
        int angle, falseCulls, falseCullPixels, coarseFalseCulls, missedCulls;
    } known[] = {{"hom", "255", 165, 14, 1623, 11, 39},
                 {"hom", "255", 180, 6, 14, 1, 104},
                 {"cpu-depth", "256", 165, 0, 0, 0, 6},
                 {"cpu-depth", "256", 180, 2, 2, 0, 2}};
    std::map<std::string, std::map<std::string, std::string>> rows;
    for (const auto& row : readRows())
        rows[key(row.at("method"), row.at("config"), std::stoi(row.at("angle")))] = row;
    for (const auto& k : known) {
        const std::string where = key(k.method, k.config, k.angle);
        const auto found = rows.find(where);
        ASSERT_NE(found, rows.end()) << where;
        EXPECT_EQ(std::stoi(found->second.at("falseCulls")), k.falseCulls) << where;
        EXPECT_EQ(std::stoi(found->second.at("falseCullPixels")), k.falseCullPixels) << where;
        EXPECT_EQ(std::stoi(found->second.at("coarseFalseCulls")), k.coarseFalseCulls) << where;
        EXPECT_EQ(std::stoi(found->second.at("missedCulls")), k.missedCulls) << where;
    }
}

// Catches a picture written but not shown on the index page, or shown but never written.
TEST(QuickSweep, IndexShowsEveryPictureAndPlot) {
    std::ifstream in(folder + "/index.md");
    std::ostringstream index;
    index << in.rdbuf();
    std::size_t pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".png") {
            ++pictures;
            EXPECT_NE(index.str().find("](" + entry.path().filename().string() + ")"), std::string::npos)
                << entry.path().filename();
        }
    for (std::size_t at = index.str().find("]("); at != std::string::npos;
         at = index.str().find("](", at + 2)) {
        const std::string name = index.str().substr(at + 2, index.str().find(')', at) - at - 2);
        EXPECT_TRUE(std::filesystem::exists(folder + "/" + name)) << name;
    }
    const SweepPlan plan = quickSweepPlan();
    const bool plots = std::filesystem::exists(folder + "/" + paretoPlotName);
    EXPECT_EQ(pictures, plan.pictureAngles.size() * cullingMethods().size() + (plots ? 3 : 0));
    EXPECT_EQ(index.str().find("## Problems"), std::string::npos) << index.str();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    folder = argc > 1 ? argv[1] : "."; // without the argument the checks fail on missing files
    return RUN_ALL_TESTS();
}
