#pragma once
// Mapping a window-space interval onto whole cells of a grid. Conversions discard the fraction and
// the exclusive upper bound adds 0.99999 (single precision) first: a ceiling that ignores an
// overshoot of less than 0.00001 past a cell boundary.

#include <algorithm>

constexpr double cellCeilingBias = static_cast<double>(0.99999f);

struct CellSpan {
    int begin = 0; // first cell
    int end = 0;   // one past the last cell; empty when end <= begin
    bool empty() const { return end <= begin; }
};

// Cells [trunc(lo * scale), trunc(hi * scale + 0.99999)) clipped to [0, count). Values far outside
// the grid (or NaN) are clamped before conversion, so no cell outside the grid is ever named.
inline CellSpan cellSpan(double lo, double hi, double scale, int count) {
    const double first = lo * scale;
    const double last = hi * scale + cellCeilingBias;
    if (!(first < count) || !(last >= 1.0)) return {0, 0}; // wholly outside, or NaN
    const double limit = static_cast<double>(count);
    return {static_cast<int>(std::max(first, 0.0)), static_cast<int>(std::min(last, limit))};
}
