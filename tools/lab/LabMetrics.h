#pragma once
// The culling lab's bookkeeping: one row per method, configuration and angle, the counts judged
// against the two truths, the cost spreads, and the per-configuration summary. Plain arithmetic, no GL.

#include <cstdint>
#include <string>
#include <vector>

// part / whole, or 0 when whole is 0.
double share(double part, double whole);

// Median of the values (the mean of the middle two for an even count); 0 for none.
double median(std::vector<double> values);

// Median and quartiles (medians of the lower and upper halves, the middle value left out of
// both for an odd count); all 0 for no values.
struct Spread {
    double median = 0.0;
    double q1 = 0.0;
    double q3 = 0.0;
    double iqr() const { return q3 - q1; }
};
Spread spreadOf(std::vector<double> values);

// What one method culled at one angle, judged per occludee against the truths of that angle.
struct Judgement {
    std::uint32_t occludees = 0;
    std::uint32_t culled = 0;
    std::uint32_t visible = 0;         // showing at least one pixel in the full-scene ID frame
    std::uint32_t hideable = 0;        // hidden by the occluders alone
    std::uint32_t hideableCulled = 0;  // culled and hideable
    std::uint32_t falseCulls = 0;      // culled but visible: picture lost
    std::uint64_t falseCullPixels = 0; // the ID-frame pixels of the false culls
    std::uint32_t coarseFalseCulls = 0; // false culls that show even in a 64 x 64 ID frame
    std::uint32_t missedCulls = 0;     // hideable but drawn: work not saved
    std::uint32_t extraCulls = 0;      // culled though not hideable (false culls included)
};

// Counts from per-occludee flags and ID pixels (at 640 x 640 and at 64 x 64), all indexed like
// the occludee list.
Judgement judge(const std::vector<bool>& culled, const std::vector<std::uint32_t>& idPixels,
                const std::vector<bool>& hideable, const std::vector<std::uint32_t>& coarsePixels);

constexpr std::size_t maxStages = 4;

struct MethodRow {
    std::string method;
    std::string config;
    int angle = 0;     // the sweep's key: degrees on an orbit, else the viewpoint's number
    bool orbit = true; // angle is an angle; viewpoints then lie every 5 degrees from 0
    Judgement counts;
    bool homCounters = false; // passedHom and passedDeb mean something
    std::uint32_t passedHom = 0;
    std::uint32_t passedDeb = 0;
    std::vector<std::string> stageNames; // in the order the pass runs them, at most maxStages
    std::vector<Spread> stages;          // seconds
    Spread pass;                         // the whole culling pass, seconds
    Spread draw;                         // drawing survivors and occluders with the frame's clears
    Spread frame;                        // pass + draw, per repetition
    double drawAll = 0.0;                // median frame of the baselines at this angle, seconds
    double oracle = 0.0;
    double oracleOccluders = 0.0;
    double coverageAgreement = -1.0; // share of map texels agreeing with the viewer's level 0; < 0: none
};

double falseCullShare(const MethodRow& row); // false culls / visible occludees
double hideableCulledShare(const MethodRow& row); // hideable culled / hideable

struct AngleValue {
    int angle = -1;
    double value = 0.0;
};

struct ConfigSummary {
    std::string method;
    std::string config;
    std::size_t angles = 0;
    double meanFalseCullShare = 0.0;
    AngleValue worstFalseCull; // the most false culls (share of visible), first angle on ties
    std::uint32_t totalFalseCulls = 0;
    double meanHideableCulled = 0.0; // over the angles at which the occluders hide something
    double meanPass = 0.0;   // seconds, mean over angles of the median pass
    double medianPass = 0.0; // seconds, median over angles
    AngleValue bestRatio;    // culled frame / draw-all, within [from, to]
    AngleValue worstRatio;
    AngleValue worstFloorRatio; // culled frame / oracle-occluders, within [from, to]
    double medianFloorRatio = 0.0; // median of those per-angle ratios
};

// Summary of the rows of one method and configuration; ratios only over angles in [from, to].
ConfigSummary summarize(const std::vector<MethodRow>& rows, const std::string& method,
                        const std::string& config, int from, int to);

// The row of that method, configuration and angle; null when there is none.
const MethodRow* findRow(const std::vector<MethodRow>& rows, const std::string& method,
                         const std::string& config, int angle);

// The viewpoint's number: angle / 5 on an orbit, else the key itself.
int viewNumber(const MethodRow& row);

// CSV: one header line, then one line per row; times in milliseconds. The angle is empty for
// viewpoints that are not on an orbit.
std::string csvHeader();
std::string csvLine(const MethodRow& row);
