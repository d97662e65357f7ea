#pragma once
// The scaling sweep's outputs: a long CSV of every sample, the medians per city size with their
// spread, gnuplot's script for the log-log plots, and the index page. Plain text, no GL.

#include "ScaleSweep.h"

#include <iosfwd>
#include <string>
#include <vector>

struct Spread {
    double median = 0.0, low = 0.0, high = 0.0; // low and high: the 10 % and 90 % points
};

// Quantiles by linear interpolation between the sorted values; all 0 for no values.
Spread spreadOf(std::vector<double> values);

// The named sample's spread over the walk's viewpoints (seconds or counts).
Spread seriesSpread(const SizeResult& size, const std::string& series, bool seconds = true);

struct ScaleRunInfo {
    std::string started, renderer, load;
    double peakMegabytes = 0.0;
    double sweepSeconds = 0.0;
    std::vector<std::string> problems;
};

// "n,view,kind,series,value": one row per sample, kind "seconds" or "count".
void writeSamplesCsv(std::ostream& out, const std::vector<SizeResult>& sizes);
// "n,objects,series,median,p10,p90": the timed series' spreads, in milliseconds, and a
// "memory" file's worth of rows: "build seconds" and "resident MB".
void writeSummaryCsv(std::ostream& out, const std::vector<SizeResult>& sizes);
void writePlotScript(std::ostream& out);
void writeScaleIndex(std::ostream& out, const std::vector<SizeResult>& sizes, const ScaleRunInfo& info);

// Problems the run must report: decisions that differ through the hierarchy, false culls by a
// method that must have none, pixels that name no object.
std::vector<std::string> scaleProblems(const std::vector<SizeResult>& sizes);
