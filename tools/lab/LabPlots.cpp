#include "LabPlots.h"

#include "LabSummary.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

const char* const colours[] = {"#c0392b", "#2471a3", "#229954", "#8e44ad", "#d68910", "#17a589", "#34495e"};

std::string colour(std::size_t i) { return colours[i % (sizeof colours / sizeof *colours)]; }

// Quotes a path for the shell.
std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5g", value);
    return text;
}

// The column of the CSV rows of one method and configuration, NaN elsewhere.
std::string only(const std::string& method, const std::string& config, const std::string& column) {
    return "(strcol('method') eq '" + method + "' && strcol('config') eq '" + config + "' ? column('" +
           column + "') : NaN)";
}

void paretoPlot(std::ostream& gp, const std::vector<MethodRow>& rows,
                const std::vector<CullingMethod>& methods, const SweepAxis& axis) {
    gp << "$pareto << EOD\n";
    for (std::size_t m = 0; m < methods.size(); ++m)
        for (const std::string& config : methods[m].configs) {
            const ConfigSummary s = summarize(rows, methods[m].name, config, axis.from, axis.to);
            if (s.angles == 0) continue;
            gp << m << " \"" << config << "\" " << number(s.meanPass * 1e3) << " "
               << number(s.meanFalseCullShare * 100) << " " << number(s.meanHideableCulled * 100) << "\n";
        }
    gp << "EOD\n"
       << "set terminal pngcairo size 1400,620 font ',10'\nset output '" << paretoPlotName << "'\n"
       << "set multiplot layout 1,2 title 'Culling-pass cost against what the pass gets wrong and what it "
          "removes (means over the "
       << (axis.orbit ? "angles" : "viewpoints") << "; labels: configuration)'\n"
       << "set logscale x\nset grid\nset xlabel 'mean culling-pass cost (ms, log scale)'\n"
       << "set key outside bottom center horizontal\nset bmargin 6\nset yrange [0:*]\n"
       << "set offsets graph 0.02, graph 0.2, graph 0.05, 0\n";
    const auto plot = [&](int column, const char* ylabel) {
        gp << "set ylabel '" << ylabel << "'\nplot ";
        for (std::size_t m = 0; m < methods.size(); ++m)
            gp << "$pareto using ($1==" << m << "?$3:NaN):" << column << " with points pt 7 ps 1.3 lc rgb '"
               << colour(m) << "' title '" << methods[m].name << "', \\\n     ";
        gp << "$pareto using 3:" << column << ":2 with labels offset char 0.6,0.6 left font ',8' notitle\n";
    };
    plot(4, "mean false-cull share (% of the visible occludees)");
    plot(5, "hideable occludees culled (% of those the occluders alone hide)");
    gp << "unset multiplot\nunset logscale x\nset offsets 0, 0, 0, 0\nset bmargin\n";
}

void cullingPlot(std::ostream& gp, const std::string& data, const std::vector<MethodRow>& rows,
                 const std::vector<CullingMethod>& methods, const SweepAxis& axis) {
    std::uint32_t tested = 0;
    for (const MethodRow& row : rows) tested = std::max(tested, row.counts.occludees);
    // On an orbit the x axis is the angle; else the viewpoint's number.
    const std::string x = axis.orbit ? "'angle'" : "'view'";
    std::uint32_t worstFalse = 0;
    for (const MethodRow& row : rows) worstFalse = std::max(worstFalse, row.counts.falseCulls);
    const double width = 1.0 / static_cast<double>(std::max<std::size_t>(methods.size(), 1));
    gp << "set terminal pngcairo size " << 380 * methods.size() << ",720 font ',9'\n"
       << "set output '" << cullingPlotName << "'\n"
       << "set multiplot title 'Occludees culled (top, of " << tested
       << ") and falsely culled (bottom, own axis) by fake camera " << (axis.orbit ? "angle" : "viewpoint")
       << "'\n"
       << (axis.orbit ? "set xrange [0:355]\nset xtics 0,90,360\nset mxtics 2\n"
                      : "set xrange [" + std::to_string(axis.from) + ":" +
                            std::to_string(std::max(axis.to, 1)) + "]\n")
       << "set grid\n"
       << "set key inside top left vertical opaque font ',7' samplen 1.5 spacing 0.85\n";
    for (std::size_t m = 0; m < methods.size(); ++m) {
        const CullingMethod& method = methods[m];
        const double left = static_cast<double>(m) * width;
        const double pixel = width / 380.0;
        gp << "set lmargin at screen " << number(left + 68 * pixel) << "\n"
           << "set rmargin at screen " << number(left + width - 8 * pixel) << "\n";
        // Culled, beside what the two floors cull.
        gp << "set tmargin at screen 0.90\nset bmargin at screen 0.52\nset title '" << method.name << "'\n"
           << "set xlabel ''\nset format x ''\nset yrange [0:" << tested + tested / 32 + 1 << "]\nset ylabel "
           << (m == 0 ? "'occludees'" : "''") << "\nplot " << data << " using " << x << ":"
           << only(oracleName, "-", "culled") << " with lines lw 1 lc rgb '#999999' title 'hidden', \\\n     "
           << data << " using " << x << ":" << only(oracleOccludersName, "-", "culled")
           << " with lines lw 2 lc rgb '#555555' title 'hideable'";
        for (std::size_t c = 0; c < method.configs.size(); ++c)
            gp << ", \\\n     " << data << " using " << x << ":"
               << only(method.name, method.configs[c], "culled") << " with lines lw 1.5 lc rgb '" << colour(c)
               << "' title '" << method.configs[c] << "'";
        gp << "\n";
        gp << "set tmargin at screen 0.46\nset bmargin at screen 0.08\nset title ''\n"
           << "set xlabel '" << (axis.orbit ? "angle (degrees)" : "viewpoint")
           << "'\nset format x '%g'\nset yrange [0:" << worstFalse + 1 << "]\nset ylabel "
           << (m == 0 ? "'false culls'" : "''") << "\nplot ";
        for (std::size_t c = 0; c < method.configs.size(); ++c)
            gp << (c ? ", \\\n     " : "") << data << " using " << x << ":"
               << only(method.name, method.configs[c], "falseCulls")
               << " with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '" << colour(c) << "' title '"
               << method.configs[c] << "'";
        gp << "\n";
    }
    gp << "unset multiplot\nunset title\nset format x '%g'\nunset xrange\nset xtics autofreq\n"
          "set lmargin\nset rmargin\nset tmargin\nset bmargin\nset autoscale y\n";
}

void costPlot(std::ostream& gp, const std::vector<MethodRow>& rows, const std::vector<CullingMethod>& methods,
              const SweepAxis& axis) {
    const std::vector<int>& angles = axis.costKeys;
    for (int angle : angles) {
        gp << "$cost" << angle << " << EOD\n";
        const auto line = [&](const std::string& label, const MethodRow* row) {
            if (!row) return;
            gp << "\"" << label << "\"";
            for (std::size_t s = 0; s < maxStages; ++s)
                gp << " " << number(s < row->stages.size() ? row->stages[s].median * 1e3 : 0.0);
            gp << " " << number(row->draw.median * 1e3) << "\n";
        };
        for (const char* baseline : {drawAllName, oracleName, oracleOccludersName})
            line(baseline, findRow(rows, baseline, "-", angle));
        for (const CullingMethod& method : methods)
            for (const std::string& config : method.configs)
                line(method.name + " " + config, findRow(rows, method.name, config, angle));
        gp << "EOD\n";
    }
    gp << "set terminal pngcairo size 1400," << 380 * angles.size() << " font ',9'\n"
       << "set output '" << costPlotName << "'\n"
       << "set multiplot layout " << angles.size()
       << ",1 title 'Culled frame: the culling pass stage by stage, then drawing the survivors and occluders "
          "(medians)'\n"
       << "set style data histograms\nset style histogram rowstacked\nset style fill solid 0.85 border -1\n"
       << "set boxwidth 0.75\nunset xlabel\nset grid ytics\nset xtics rotate by -35 font ',8'\nset yrange "
          "[0:*]\n"
       << "set ylabel 'milliseconds'\nset key outside right top vertical\nset lmargin 9\nset rmargin 22\nset "
          "bmargin 9\n";
    const char* const shades[] = {"#1f618d", "#5dade2", "#a9cce3", "#d6eaf8"};
    for (int angle : angles) {
        const MethodRow* floor = findRow(rows, oracleOccludersName, "-", angle);
        gp << "set title 'fake camera at " << keyLabel(axis, angle) << "'\nplot ";
        for (std::size_t s = 0; s < maxStages; ++s)
            gp << "$cost" << angle << " using " << s + 2 << (s == 0 ? ":xtic(1)" : "") << " lc rgb '"
               << shades[s] << "' title 'pass stage " << s + 1 << "', ";
        gp << "$cost" << angle << " using " << maxStages + 2 << " lc rgb '#bbbbbb' title 'drawing'";
        if (floor)
            gp << ", " << number(floor->draw.median * 1.10e3)
               << " with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'";
        gp << "\n";
    }
    gp << "unset multiplot\n";
}

} // namespace

std::string plotScript(const std::string& csvName, const std::vector<MethodRow>& rows,
                       const std::vector<CullingMethod>& methods, const SweepAxis& axis) {
    std::ostringstream gp;
    paretoPlot(gp, rows, methods, axis);
    gp << "set datafile separator ','\n";
    cullingPlot(gp, "'" + csvName + "'", rows, methods, axis);
    gp << "set datafile separator whitespace\n";
    costPlot(gp, rows, methods, axis);
    return gp.str();
}

bool drawPlots(const std::string& folder, const std::string& csvName, const std::vector<MethodRow>& rows,
               const std::vector<CullingMethod>& methods, const SweepAxis& axis) {
    {
        std::ofstream script(folder + "/plots.gp");
        script << plotScript(csvName, rows, methods, axis);
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
