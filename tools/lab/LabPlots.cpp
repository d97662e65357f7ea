#include "LabPlots.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

const char* const colours[] = {"#c0392b", "#2471a3", "#229954"};

// Quotes a path for the shell.
std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string only(int threshold, const std::string& column) {
    return "(column(\"threshold\")==" + std::to_string(threshold) + " ? column(\"" + column + "\") : NaN)";
}

} // namespace

std::vector<int> plotThresholds(const std::vector<int>& swept) {
    if (swept.size() <= 3) return swept;
    return {swept.front(), swept[swept.size() / 2], swept.back()};
}

std::string plotScript(const std::string& csvName, const std::vector<int>& thresholds) {
    std::ostringstream gp;
    const std::string data = "'" + csvName + "'";
    gp << "set datafile separator ','\n"
       << "set key outside right top box opaque\n"
       << "set grid\n"
       << "set xrange [0:355]\nset xtics 0,45,360\n"
       << "set xlabel 'fake camera angle (degrees)'\n";

    // Culled against truly hidden, one panel per threshold.
    gp << "set terminal pngcairo size 1000," << 300 * thresholds.size() << " font ',10'\n"
       << "set output '" << cullingPlotName << "'\n"
       << "set multiplot layout " << thresholds.size()
       << ",1 title 'Occludees culled, truly hidden and "
          "falsely culled (of 640)'\n"
       << "set ylabel 'occludees'\nset yrange [0:660]\n";
    for (int threshold : thresholds) {
        gp << "set title 'threshold " << threshold << "'\n"
           << "plot " << data << " using 'angle':" << only(threshold, "hidden")
           << " with lines lw 2 lc rgb '#555555' title 'truly hidden', \\\n     " << data
           << " using 'angle':" << only(threshold, "passedDeb")
           << " with linespoints pt 7 ps 0.5 lw 2 lc rgb '#2471a3' title 'culled', \\\n"
           << "     " << data << " using 'angle':" << only(threshold, "falseCulls")
           << " with linespoints pt 5 ps 0.5 lw 2 lc rgb '#c0392b' title 'false culls'\n";
    }
    gp << "unset multiplot\n";

    // Frame cost in milliseconds, then the ratio with its target line.
    gp << "set terminal pngcairo size 1000,700 font ',10'\n"
       << "set output '" << costPlotName << "'\n"
       << "set multiplot layout 2,1 title 'Frame cost: culled frame against drawing all 1000 objects'\n"
       << "set title ''\nset ylabel 'milliseconds'\nset autoscale y\nset yrange [0:*]\n";
    const int first = thresholds.front();
    gp << "plot " << data << " using 'angle':" << only(first, "drawAllMs")
       << " with lines lw 2 lc rgb '#555555' title 'draw all'";
    for (std::size_t i = 0; i < thresholds.size(); ++i)
        gp << ", \\\n     " << data << " using 'angle':" << only(thresholds[i], "culledFrameMs")
           << " with lines lw 2 lc rgb '" << colours[i % 3] << "' title 'culled frame, threshold "
           << thresholds[i] << "'";
    gp << ", \\\n     " << data << " using 'angle':" << only(first, "cullingPassMs")
       << " with lines lw 1 dt 2 lc rgb '#000000' title 'culling pass, threshold " << first << "'\n";
    gp << "set ylabel 'culled / draw-all'\nset yrange [0:*]\n"
       << "plot 0.6 with lines lw 1 dt 3 lc rgb '#000000' title 'target 0.6'";
    for (std::size_t i = 0; i < thresholds.size(); ++i)
        gp << ", \\\n     " << data << " using 'angle':" << only(thresholds[i], "frameRatio")
           << " with lines lw 2 lc rgb '" << colours[i % 3] << "' title 'threshold " << thresholds[i] << "'";
    gp << "\nunset multiplot\n";
    return gp.str();
}

bool drawPlots(const std::string& folder, const std::string& csvName, const std::vector<int>& thresholds) {
    if (thresholds.empty()) return false;
    {
        std::ofstream script(folder + "/plots.gp");
        script << plotScript(csvName, thresholds);
        if (!script) {
            std::cerr << "culling-lab: cannot write " << folder << "/plots.gp\n";
            return false;
        }
    }
    if (std::system("command -v gnuplot >/dev/null 2>&1") != 0) {
        std::cerr << "culling-lab: gnuplot not found; plots.gp is left in " << folder << "\n";
        return false;
    }
    const std::string command = "cd " + quoted(folder) + " && gnuplot plots.gp";
    if (std::system(command.c_str()) != 0) {
        std::cerr << "culling-lab: gnuplot failed on " << folder << "/plots.gp\n";
        return false;
    }
    return true;
}
