#pragma once
// The sweep's plots, drawn by gnuplot: the per-angle ones from the CSV, the per-configuration
// ones from figures the script carries itself.

#include "LabMethods.h"
#include "LabMetrics.h"
#include "LabSweep.h"

#include <string>
#include <vector>

constexpr const char* paretoPlotName = "pareto.png";
constexpr const char* cullingPlotName = "culled-by-angle.png";
constexpr const char* costPlotName = "frame-cost.png";

// A gnuplot script reading `csvName` and writing the three plots, all in the current directory.
std::string plotScript(const std::string& csvName, const std::vector<MethodRow>& rows,
                       const std::vector<CullingMethod>& methods, const SweepAxis& axis);

// Writes the script as plots.gp into `folder` and runs gnuplot there. False (with a message on
// standard error) when gnuplot is missing or fails; the script stays for a later run.
bool drawPlots(const std::string& folder, const std::string& csvName, const std::vector<MethodRow>& rows,
               const std::vector<CullingMethod>& methods, const SweepAxis& axis);
