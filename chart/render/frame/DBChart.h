#pragma once

#include "frame/CustomChart.h"

// A chart that can take series data from datasets. None of the program's series has a dataset,
// so these settings change nothing in how the chart paints.
class TCustomDBChart : public TCustomChart {
public:
    bool AutoRefresh() const { return autoRefresh_; }
    void SetAutoRefresh(bool v) { autoRefresh_ = v; }
    // Seconds between refreshes from the datasets; 0: none.
    int RefreshInterval() const { return refreshInterval_; }
    void SetRefreshInterval(int v) { refreshInterval_ = v; }
    bool ShowGlassCursor() const { return showGlassCursor_; }
    void SetShowGlassCursor(bool v) { showGlassCursor_ = v; }

private:
    bool autoRefresh_ = true;
    int refreshInterval_ = 0;
    bool showGlassCursor_ = true;
};

// The chart class of the program's three charts.
class TDBChart : public TCustomDBChart {};
