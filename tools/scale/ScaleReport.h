#pragma once
// The scaling sweep's outputs: a long CSV of every sample, the medians per city size with their
// spread, gnuplot's script for the log-log plots, and the index page. Plain text, no GL.

#include "ScaleSweep.h"

#include <iosfwd>
#include <string>
#include <vector>

struct TailSpread {
    double median = 0.0, low = 0.0, high = 0.0; // low and high: the 10 % and 90 % points
};

// Quantiles by linear interpolation between the sorted values; all 0 for no values.
TailSpread tailSpreadOf(std::vector<double> values);

// The named sample's spread over the walk's viewpoints (seconds or counts).
TailSpread seriesSpread(const SizeResult& size, const std::string& series, bool seconds = true);

struct ScaleRunInfo {
    std::string started, renderer, load;
    double peakMegabytes = 0.0;
    double sweepSeconds = 0.0;
    std::vector<std::string> problems;
};

// "n,view,kind,series,value": one row per sample, kind "seconds" or "count".
void writeSamplesCsv(std::ostream& out, const std::vector<SizeResult>& sizes);
// "n,objects,series,median,p10,p90": the spreads of the timed series the size has, in
// milliseconds, and a "memory" file's worth of rows: "build seconds", "resident MB" and "scene
// lists MB".
void writeSummaryCsv(std::ostream& out, const std::vector<SizeResult>& sizes);
// gnuplot's script: scaling.png (cpu-depth's and gpu-hiz's stages, the truth and drawing),
// methods.png (methodPlotSeries) and memory.png.
void writePlotScript(std::ostream& out, const std::vector<SizeResult>& sizes);

// Whether any viewpoint of the size has the timed series.
bool hasSeries(const SizeResult& size, const std::string& series);

// Every timed series of the sizes, in the order they first appear.
std::vector<std::string> timedSeriesOf(const std::vector<SizeResult>& sizes);

// The methods' plot: each method's whole pass, the lab methods' stages after theirs, then the
// truth. `method` picks the colour: its place among the methods, one past them for the truth.
struct PlotSeries {
    std::string name;
    std::size_t method = 0;
    bool pass = false;
};
std::vector<PlotSeries> methodPlotSeries(const std::vector<SizeResult>& sizes);
void writeScaleIndex(std::ostream& out, const std::vector<SizeResult>& sizes, const ScaleRunInfo& info);

// Problems the run must report: decisions that differ through the hierarchy, false culls by a
// method that must have none, pixels that name no object.
std::vector<std::string> scaleProblems(const std::vector<SizeResult>& sizes);
