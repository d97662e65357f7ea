#pragma once
// The culling lab's bookkeeping: one row per (angle, threshold) configuration, the shares and
// medians derived from it, and the per-threshold summary. Plain arithmetic, no GL.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Median wall-clock seconds of each measured stage of one configuration.
struct StageCosts {
    double mapBuild = 0.0;      // occluder render + read-back + pyramid
    double bufferBuild = 0.0;   // depth estimation buffer
    double tests = 0.0;         // overlap + depth test of every occludee, as the viewer runs them
    double testsHoisted = 0.0;  // the same decisions with the transforms read back once per frame
    double drawSurvivors = 0.0; // clears, lighting and drawing the visible list
    double drawAll = 0.0;       // the same frame with nothing culled
    double pipelineFrame = 0.0; // the viewer's own cullAndDrawFrame, clears and lighting included
};

struct SweepRow {
    int angle = 0;     // fake camera angle, degrees
    int threshold = 0; // opacity threshold, 0..255
    std::uint32_t occludees = 0;
    std::uint32_t passedHom = 0;
    std::uint32_t passedDeb = 0;   // the culled occludees
    std::uint32_t drawn = 0;       // occludees drawn
    std::uint32_t visible = 0;     // occludees showing at least one pixel (ground truth)
    std::uint32_t falseCulls = 0;  // culled but visible: what pops out of the picture
    std::uint32_t missedCulls = 0; // hidden but drawn: work the culling did not save
    StageCosts cost;
};

// part / whole, or 0 when whole is 0.
double share(double part, double whole);

// Median of the values (the mean of the middle two for an even count); 0 for none.
double median(std::vector<double> values);

std::uint32_t hiddenOccludees(const SweepRow& row);
double culledShare(const SweepRow& row);     // culled / occludees
double falseCullShare(const SweepRow& row);  // false culls / visible occludees
double missedCullShare(const SweepRow& row); // missed culls / hidden occludees

double cullingPassSeconds(const SweepRow& row); // map + buffer + tests
double culledFrameSeconds(const SweepRow& row); // culling pass + drawing the survivors
double frameRatio(const SweepRow& row);         // culled frame / draw-all frame
double cullingShareOfFrame(const SweepRow& row);

// Fills falseCulls and missedCulls from the culled flags and the ground truth, both indexed like
// the occludee list, and sets occludees, passedDeb's complement `drawn` and `visible`.
void classifyOccludees(SweepRow& row, const std::vector<bool>& culled, const std::vector<bool>& visible);

struct AngleValue {
    int angle = 0;
    double value = 0.0;
};

struct ThresholdSummary {
    int threshold = 0;
    std::size_t angles = 0;
    double meanFalseCullShare = 0.0;
    AngleValue worstFalseCull; // largest false-cull share
    double meanCulledShare = 0.0;
    StageCosts medianCost;
    double medianRatio = 0.0;
    AngleValue bestRatio;  // lowest culled / draw-all frame cost
    AngleValue worstRatio; // highest
};

// Summary of the rows with the given threshold; angles == 0 when there are none.
ThresholdSummary summarize(const std::vector<SweepRow>& rows, int threshold);

// Distinct thresholds in order of first appearance.
std::vector<int> thresholdsOf(const std::vector<SweepRow>& rows);

// Rows sorted by threshold (descending) and then angle, the order the CSV and the plots use.
std::vector<SweepRow> thresholdMajor(std::vector<SweepRow> rows);

// CSV: one header line, then one line per row; times in milliseconds.
std::string csvHeader();
std::string csvLine(const SweepRow& row);
// Reads back a line written by csvLine (derived columns are ignored); none if malformed.
std::optional<SweepRow> parseCsvLine(const std::string& line);
