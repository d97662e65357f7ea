#pragma once
// The sweep's plots, drawn by gnuplot from the CSV: what the culler removes against what is truly
// hidden, and what a culled frame costs against drawing everything.

#include <string>
#include <vector>

constexpr const char* cullingPlotName = "culling-by-angle.png";
constexpr const char* costPlotName = "frame-cost-by-angle.png";

// Up to three thresholds to plot: the first, the middle and the last of those swept.
std::vector<int> plotThresholds(const std::vector<int>& swept);

// A gnuplot script reading `csvName` and writing both plots, all in the current directory.
std::string plotScript(const std::string& csvName, const std::vector<int>& thresholds);

// Writes the script as plots.gp into `folder` and runs gnuplot there. False (with a message on
// standard error) when gnuplot is missing or fails; the script stays for a later run.
bool drawPlots(const std::string& folder, const std::string& csvName, const std::vector<int>& thresholds);
