#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

class TCustomChartBase;
class TChartSeries;

// An event a chart hands to its listeners. The chart sets Sender when it broadcasts. The
// rendering layer adds its own kinds (3D switch, mouse) by deriving from this class.
class TChartEvent {
public:
    virtual ~TChartEvent() = default;
    TCustomChartBase* Sender = nullptr;
};

enum class TChartSeriesEventKind : std::uint8_t {
    SeriesAdded = 0,
    SeriesRemoved = 1,
    TitleChanged = 2,
    ColorChanged = 3,
    SeriesSwapped = 4, // Series is null
    ActivityChanged = 5,
    DataChanged = 6,
};

class TChartSeriesEvent : public TChartEvent {
public:
    TChartSeriesEvent(TChartSeriesEventKind kind, TChartSeries* series)
        : Event(kind), Series(series) {}
    TChartSeriesEventKind Event;
    TChartSeries* Series;
};

// Receives a chart's events. A listener removes itself from the chart before it goes away; a
// chart that goes first tells its listeners, which then forget it.
class TChartEventListener {
public:
    virtual ~TChartEventListener() = default;
    virtual void ChartEvent(const TChartEvent& event) = 0;
    // The chart is being destroyed and has already let go of this listener.
    virtual void ChartGoing(TCustomChartBase& /*chart*/) {}
};

// The listeners of one chart in registration order; they are not owned.
class TChartEventListeners {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TChartEventListener* operator[](int index) const {
        return items_[static_cast<std::size_t>(index)];
    }
    bool Contains(const TChartEventListener* listener) const {
        return std::find(items_.begin(), items_.end(), listener) != items_.end();
    }
    // Appends unless the listener is already registered.
    void Add(TChartEventListener& listener) {
        if (!Contains(&listener))
            items_.push_back(&listener);
    }
    void Remove(const TChartEventListener& listener) { std::erase(items_, &listener); }
    // Empties the list, answering who was in it.
    std::vector<TChartEventListener*> TakeAll() { return std::exchange(items_, {}); }

private:
    std::vector<TChartEventListener*> items_;
};
