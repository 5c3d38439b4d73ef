#pragma once

#include <algorithm>
#include <cassert>
#include <vector>

class TChartSeries;

// A chart's series in the order in which they joined it. The chart does not own them.
class TChartSeriesList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TChartSeries& operator[](int index) const {
        assert(index >= 0 && index < Count());
        return *items_[static_cast<std::size_t>(index)];
    }
    int IndexOf(const TChartSeries& series) const {
        const auto it = std::find(items_.begin(), items_.end(), &series);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    bool Contains(const TChartSeries& series) const { return IndexOf(series) >= 0; }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    friend class TCustomChartBase;
    std::vector<TChartSeries*> items_;
};
