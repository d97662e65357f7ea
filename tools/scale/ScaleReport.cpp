#include "ScaleReport.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iterator>
#include <ostream>
#include <sstream>
#include <utility>

namespace {

// The timed series in the order of the plots and tables.
const char* const timedSeries[] = {"cpu-depth rasterize",
                                   "cpu-depth tests (each object)",
                                   "cpu-depth tests (hierarchy)",
                                   "gpu-hiz render",
                                   "gpu-hiz read-back",
                                   "gpu-hiz pyramid",
                                   "gpu-hiz tests (each object)",
                                   "gpu-hiz tests (hierarchy)",
                                   "truth",
                                   "draw all",
                                   "draw after cpu-depth"};

// Every method, in the order of the methods' plot and table. The last three are the lab's, run
// object by object; the first two have their stages in the first plot.
const char* const methodNames[] = {"cpu-depth", "gpu-hiz", "hom", "hom-conservative", "occlusion-query"};
constexpr std::size_t firstLabMethod = 2;

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

std::string fixed(double value, int digits) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(digits) << value;
    return out.str();
}

std::string msSpread(const TailSpread& s) {
    return fixed(s.median * 1e3, 3) + " [" + fixed(s.low * 1e3, 3) + ", " + fixed(s.high * 1e3, 3) + "]";
}

double sumOf(const SizeResult& size, const std::vector<std::string>& series) {
    double total = 0.0;
    for (const std::string& name : series) total += seriesSpread(size, name).median;
    return total;
}

} // namespace

TailSpread tailSpreadOf(std::vector<double> values) {
    TailSpread s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        const double position = q * static_cast<double>(values.size() - 1);
        const auto below = static_cast<std::size_t>(std::floor(position));
        const std::size_t above = std::min(below + 1, values.size() - 1);
        return values[below] + (values[above] - values[below]) * (position - static_cast<double>(below));
    };
    s.median = at(0.5);
    s.low = at(0.1);
    s.high = at(0.9);
    return s;
}

TailSpread seriesSpread(const SizeResult& size, const std::string& series, bool seconds) {
    std::vector<double> values;
    for (const ViewResult& view : size.views)
        for (const Sample& sample : seconds ? view.seconds : view.counts)
            if (sample.series == series) values.push_back(sample.value);
    return tailSpreadOf(values);
}

bool hasSeries(const SizeResult& size, const std::string& series) {
    for (const ViewResult& view : size.views)
        for (const Sample& sample : view.seconds)
            if (sample.series == series) return true;
    return false;
}

void writeSamplesCsv(std::ostream& out, const std::vector<SizeResult>& sizes) {
    out << "n,view,kind,series,value\n";
    for (const SizeResult& size : sizes)
        for (const ViewResult& view : size.views) {
            for (const Sample& s : view.seconds)
                out << size.smallObjects << "," << view.view << ",seconds," << s.series << "," << s.value
                    << "\n";
            for (const Sample& s : view.counts)
                out << size.smallObjects << "," << view.view << ",count," << s.series << "," << s.value
                    << "\n";
        }
}

std::vector<std::string> timedSeriesOf(const std::vector<SizeResult>& sizes) {
    std::vector<std::string> out;
    for (const SizeResult& size : sizes)
        for (const ViewResult& view : size.views)
            for (const Sample& sample : view.seconds)
                if (std::find(out.begin(), out.end(), sample.series) == out.end())
                    out.push_back(sample.series);
    return out;
}

std::vector<PlotSeries> methodPlotSeries(const std::vector<SizeResult>& sizes) {
    const std::vector<std::string> timed = timedSeriesOf(sizes);
    std::vector<PlotSeries> out;
    for (std::size_t m = 0; m < std::size(methodNames); ++m) {
        const std::string pass = std::string(methodNames[m]) + " pass";
        if (std::find(timed.begin(), timed.end(), pass) == timed.end()) continue;
        out.push_back({pass, m, true});
        if (m < firstLabMethod) continue;
        for (const std::string& series : timed)
            if (startsWith(series, methodNames[m] + std::string(" ")) && series != pass)
                out.push_back({series, m, false});
    }
    if (std::find(timed.begin(), timed.end(), "truth") != timed.end())
        out.push_back({"truth", std::size(methodNames), true});
    return out;
}

void writeSummaryCsv(std::ostream& out, const std::vector<SizeResult>& sizes) {
    out << "n,objects,series,median,p10,p90\n";
    const std::vector<std::string> timed = timedSeriesOf(sizes);
    for (const SizeResult& size : sizes) {
        for (const std::string& series : timed) {
            // A method that did not run at this size has no row: not a zero that log scales refuse.
            if (!hasSeries(size, series)) continue;
            const TailSpread s = seriesSpread(size, series);
            out << size.smallObjects << "," << size.objects << "," << series << "," << s.median * 1e3 << ","
                << s.low * 1e3 << "," << s.high * 1e3 << "\n";
        }
        const double build = size.generateSeconds + size.hierarchySeconds + size.uploadSeconds;
        out << size.smallObjects << "," << size.objects << ",build seconds," << build << "," << build << ","
            << build << "\n";
        for (const auto& [name, megabytes] :
             {std::pair<const char*, double>{"resident MB", size.residentMegabytes},
              {"scene lists MB", size.sceneListMegabytes}})
            out << size.smallObjects << "," << size.objects << "," << name << "," << megabytes << ","
                << megabytes << "," << megabytes << "\n";
    }
}

void writePlotScript(std::ostream& out, const std::vector<SizeResult>& sizes) {
    out << "# Reads summary.csv: n,objects,series,median,p10,p90 (milliseconds; memory rows in MB).\n"
           "set datafile separator ','\n"
           "set terminal pngcairo size 1100,680 font 'sans,10'\n"
           "set logscale xy\n"
           "set xrange [700:1.5e6]\n"
           "set grid\n"
           "set key outside right\n"
           "set xlabel 'objects in the city'\n"
           "set output 'scaling.png'\n"
           "set ylabel 'median over the walk, ms (bars: 10 % to 90 %)'\n"
           "set title 'Pass stages and the truth against the city size'\n"
           "s(name) = sprintf(\"< grep -F ',%s,' summary.csv\", name)\n"
           "plot ";
    // A colour of its own per series; the gpu-hiz stages dashed beside cpu-depth's solid ones.
    const char* const colours[] = {"#1b9e77", "#66a61e", "#d95f02", "#7570b3", "#1b9e77", "#66a61e",
                                   "#a6761d", "#d95f02", "#7570b3", "#e7298a", "#000000", "#666666"};
    for (std::size_t i = 0; i < std::size(timedSeries); ++i) {
        const std::string series = timedSeries[i];
        const bool hiz = series.rfind("gpu-hiz", 0) == 0,
                   wide = series.rfind("truth", 0) == 0 || series.rfind("draw", 0) == 0;
        out << (i == 0 ? "" : ", \\\n     ") << "s('" << series
            << "') using 2:4:5:6 with yerrorlines lc rgb '" << colours[i] << "' dt " << (hiz ? 2 : 1)
            << " lw " << (wide ? 2.5 : 1.5) << " title '" << series << "'";
    }
    out << "\n"
           "set output 'methods.png'\n"
           "set title \"Every method's pass (thick) and the lab methods' stages against the city size\"\n";
    // One colour per method; its stages thin, in dash patterns of their own.
    const char* const methodColours[] = {"#1b9e77", "#7570b3", "#d95f02", "#e7298a", "#66a61e", "#000000"};
    const std::vector<PlotSeries> series = methodPlotSeries(sizes);
    int dash = 2;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const PlotSeries& p = series[i];
        dash = p.pass ? 2 : dash + 1;
        out << (i == 0 ? "plot " : ", \\\n     ") << "s('" << p.name
            << "') using 2:4:5:6 with yerrorlines lc rgb '"
            << methodColours[std::min(p.method, std::size(methodColours) - 1)] << "' dt "
            << (p.pass ? 1 : dash) << " lw " << (p.pass ? 2.5 : 1.2) << " title '" << p.name << "'";
    }
    if (series.empty()) out << "set output\n"; // nothing to plot: no empty plot command
    out << "\n"
           "set output 'memory.png'\n"
           "set title 'Resident memory and build time against the city size'\n"
           "set ylabel 'resident MB / build s'\n"
           "plot s('resident MB') using 2:4 with linespoints lw 2 title 'resident MB after the walk', \\\n"
           "     s('scene lists MB') using 2:4 with linespoints lw 2 title 'of that, the viewer''s scene "
           "lists (MB)', \\\n"
           "     s('build seconds') using 2:4 with linespoints lw 2 title 'build seconds (city, hierarchy, "
           "upload)'\n";
}

std::vector<std::string> scaleProblems(const std::vector<SizeResult>& sizes) {
    std::vector<std::string> problems;
    for (const SizeResult& size : sizes)
        for (const ViewResult& view : size.views) {
            const std::string where =
                "city:" + std::to_string(size.smallObjects) + " view " + std::to_string(view.view);
            if (!view.sameDecisions)
                problems.push_back(where + ": the hierarchy decided otherwise than box by box");
            for (const Sample& s : view.counts)
                if ((s.series == "gpu-hiz false culls" || s.series == "occlusion-query false culls" ||
                     s.series == "unknown pixels") &&
                    s.value > 0)
                    problems.push_back(where + ": " + s.series + " " + fixed(s.value, 0));
        }
    return problems;
}

void writeScaleIndex(std::ostream& out, const std::vector<SizeResult>& sizes, const ScaleRunInfo& info) {
    out << "# Scaling: generated cities from " << (sizes.empty() ? 0 : sizes.front().smallObjects) << " to "
        << (sizes.empty() ? 0 : sizes.back().smallObjects) << " small objects\n\n"
        << "Run " << info.started << " on " << info.renderer << "; " << info.load << "; the sweep took "
        << fixed(info.sweepSeconds, 0) << " s, peak resident memory " << fixed(info.peakMegabytes, 0)
        << " MB. Every figure is the median over the street walk's viewpoints, with the 10 % and 90 % points "
           "in brackets, in ms, one thread.\n\n"
        << "![pass stages and the truth against N](scaling.png)\n\n"
        << "![memory and build time against N](memory.png)\n\n";

    out << "| objects (buildings) | build s | resident MB (scene lists) | cpu-depth pass | its tests (each "
           "object) | its "
           "tests ("
           "hierarchy) | hierarchy / each | gpu-hiz pass (hierarchy) | truth | draw all | draw after "
           "cpu-depth |\n"
           "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const SizeResult& size : sizes) {
        const TailSpread each = seriesSpread(size, "cpu-depth tests (each object)");
        const TailSpread through = seriesSpread(size, "cpu-depth tests (hierarchy)");
        const double cpuPass = sumOf(size, {"cpu-depth rasterize", "cpu-depth tests (hierarchy)"});
        const double hizPass = sumOf(
            size, {"gpu-hiz render", "gpu-hiz read-back", "gpu-hiz pyramid", "gpu-hiz tests (hierarchy)"});
        out << "| " << size.objects << " (" << size.buildings << ") | "
            << fixed(size.generateSeconds + size.hierarchySeconds + size.uploadSeconds, 2) << " | "
            << fixed(size.residentMegabytes, 0) << " (" << fixed(size.sceneListMegabytes, 0) << ") | "
            << fixed(cpuPass * 1e3, 3) << " | " << msSpread(each) << " | " << msSpread(through) << " | "
            << fixed(each.median > 0 ? through.median / each.median : 0, 3) << " | "
            << fixed(hizPass * 1e3, 3) << " | " << msSpread(seriesSpread(size, "truth")) << " | "
            << msSpread(seriesSpread(size, "draw all")) << " | "
            << msSpread(seriesSpread(size, "draw after cpu-depth")) << " |\n";
    }
    out << "\nWhat the passes decide (medians over the walk):\n\n"
           "| objects | visible | hideable | cpu-depth culled | its false culls | gpu-hiz culled | its false "
           "culls "
           "| boxes tested through the hierarchy (cpu-depth) |\n|---|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const SizeResult& size : sizes) {
        const auto count = [&](const char* series) {
            return fixed(seriesSpread(size, series, false).median, 0);
        };
        out << "| " << size.objects << " | " << count("visible") << " | " << count("hideable") << " | "
            << count("cpu-depth culled") << " | " << count("cpu-depth false culls") << " | "
            << count("gpu-hiz culled") << " | " << count("gpu-hiz false culls") << " | "
            << count("cpu-depth boxes tested") << " |\n";
    }
    out << "\nEvery method's pass at its default configuration (cpu-depth at "
        << "256 x 256, gpu-hiz at 640 x 640, "
           "hom and hom-conservative at threshold 255, occlusion-query stop-and-wait at 640 x 640), ms, and "
           "what it decides (medians over the walk; culled, culled though visible, culled and hideable). "
           "cpu-depth and gpu-hiz test through the hierarchy; hom and hom-conservative test object by object "
           "with their own tests, as the lab runs them; occlusion-query issues a query per object and runs "
           "only below the lab's limit of 50,000 objects, where the viewer's scene keeps every object's "
           "faces:\n\n"
           "| objects | method | pass | its stages | culled | false culls | hideable culled |\n"
           "|---|---|---:|---|---:|---:|---:|\n";
    for (const SizeResult& size : sizes)
        for (const char* method : methodNames) {
            const std::string name = method;
            if (!hasSeries(size, name + " pass")) continue;
            std::string stages;
            // The stages the pass sums: not the object-by-object tests the hierarchy replaces.
            for (const Sample& sample :
                 size.views.empty() ? std::vector<Sample>{} : size.views.front().seconds)
                if (startsWith(sample.series, name + " ") && sample.series != name + " pass" &&
                    sample.series.find("(each object)") == std::string::npos)
                    stages += (stages.empty() ? "" : ", ") + sample.series.substr(name.size() + 1) + " " +
                              fixed(seriesSpread(size, sample.series).median * 1e3, 2);
            const auto count = [&](const char* what) {
                return fixed(seriesSpread(size, name + " " + what, false).median, 0);
            };
            out << "| " << size.objects << " | " << name << " | "
                << msSpread(seriesSpread(size, name + " pass")) << " | " << stages << " | " << count("culled")
                << " | " << count("false culls") << " | " << count("hideable culled") << " |\n";
        }
    out << "\n![every method's pass and the lab methods' stages against N](methods.png)\n";
    out << "\nThe truth's stages (ms): the objects that may reach into the view (found through the "
           "hierarchy), "
           "the occluders' depth, one draw of those objects with their flags, the ID picture and the "
           "read-back; "
           "then how many objects the view holds:\n\n"
           "| objects | frustum | occluders | flags | ids | read back | in view |\n"
           "|---|---:|---:|---:|---:|---:|---:|\n";
    for (const SizeResult& size : sizes) {
        out << "| " << size.objects;
        for (const char* stage :
             {"truth frustum", "truth occluders", "truth flags", "truth ids", "truth read back"})
            out << " | " << fixed(seriesSpread(size, stage).median * 1e3, 2);
        out << " | " << fixed(seriesSpread(size, "in view", false).median, 0) << " |\n";
    }
    out << "\n";
    if (info.problems.empty())
        out << "Every check held: the hierarchy decided as box-by-box testing at every viewpoint.\n";
    for (const std::string& problem : info.problems) out << "- Problem: " << problem << "\n";
}
