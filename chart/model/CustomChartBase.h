#pragma once

#include "ChartColor.h"
#include "ChartEvents.h"
#include "ChartGeometry.h"
#include "ChartPalettes.h"
#include "ChartSeriesList.h"

#include <functional>
#include <vector>

class TChartAxisBase;
class TChartSeries;

// The data side of a chart: its series in join order, the colour palette the series take their
// automatic colours from, its event listeners and the repaint request. It paints nothing; the
// panel classes of chart/render derive from it and add the canvas, axes, walls and legend.
//
// Extension points for the panel classes:
// - DoInvalidate(): called once for every honoured repaint request; the widget marks its image
//   out of date and schedules one paint there. OnInvalidate is the same for observers.
// - SetRepaintEnabled(false) while painting, so requests made during a paint are dropped.
// - PlotRect(), SeriesDepth(), ReverseSeriesOrder() and the four axis getters report the state
//   of the last paint to the series (visible range, pixels, depth positions).
// - BackWallColor() and ColorIsUnused(): the background check of the colour picker.
//
// A chart does not own its series. A series that is destroyed leaves its chart; a chart that is
// destroyed clears the chart reference of the series still in it, without broadcasting.
class TCustomChartBase {
public:
    TCustomChartBase() = default;
    virtual ~TCustomChartBase();
    TCustomChartBase(const TCustomChartBase&) = delete;
    TCustomChartBase& operator=(const TCustomChartBase&) = delete;

    // --- series ---------------------------------------------------------------------------
    const TChartSeriesList& SeriesList() const { return seriesList_; }
    int SeriesCount() const { return seriesList_.Count(); }
    TChartSeries& Series(int index) const { return seriesList_[index]; }
    // Same as series.SetParentChart(this) / SetParentChart(nullptr) when the series is here.
    void AddSeries(TChartSeries& series);
    void RemoveSeries(TChartSeries& series);

    // --- palette and colours --------------------------------------------------------------
    int ColorPaletteIndex() const { return colorPaletteIndex_; }
    // Copies the palette in and gives every automatically coloured series a new colour.
    void SetColorPaletteIndex(int index);
    // The chart's own palette; empty means DefaultPalette.
    const std::vector<TColor>& ChartPalette() const { return chartPalette_; }
    // The palette colour for `index`, wrapping around the palette in use.
    TColor PaletteColorFor(int index) const;
    // The first palette colour no other series uses (and, with the background check, that is
    // neither the panel's nor the back wall's colour); the last one when all are taken.
    TColor PickFreeSeriesColor(bool checkBackground, const TChartSeries* exclude = nullptr) const;
    virtual bool ColorIsUnused(TColor color, bool checkBackground,
                               const TChartSeries* exclude) const;

    // The panel fill.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The back wall's colour when the chart has a back wall; clNone here.
    virtual TColor BackWallColor() const { return clNone; }

    // --- listeners ------------------------------------------------------------------------
    TChartEventListeners& Listeners() { return listeners_; }
    void AddListener(TChartEventListener& listener) { listeners_.Add(listener); }
    void RemoveListener(const TChartEventListener& listener) { listeners_.Remove(listener); }
    // Sets the sender and hands the event to every listener in registration order.
    void BroadcastEvent(TChartEvent& event);
    void BroadcastSeriesEvent(TChartSeriesEventKind kind, TChartSeries* series);

    // --- repaint --------------------------------------------------------------------------
    bool RepaintEnabled() const { return repaintEnabled_; }
    void SetRepaintEnabled(bool value) { repaintEnabled_ = value; }
    // What elements call when they changed.
    virtual void RequestRepaint() { Invalidate(); }
    // Marks the chart for one later paint, unless repaints are switched off.
    void Invalidate();
    // Honoured repaint requests so far.
    int InvalidateCount() const { return invalidateCount_; }
    std::function<void()> OnInvalidate;
    bool Destroying() const { return destroying_; }

    // --- paint state the series read ------------------------------------------------------
    virtual TRect PlotRect() const { return {}; }
    virtual int SeriesDepth() const { return 0; }
    virtual bool ReverseSeriesOrder() const { return false; }
    virtual TChartAxisBase* TopAxis() const { return nullptr; }
    virtual TChartAxisBase* BottomAxis() const { return nullptr; }
    virtual TChartAxisBase* LeftAxis() const { return nullptr; }
    virtual TChartAxisBase* RightAxis() const { return nullptr; }

protected:
    virtual void DoInvalidate() {}
    // Called by a derived destructor that must stop broadcasts before its own parts go.
    void BeginDestroy() { destroying_ = true; }

private:
    friend class TChartSeries;
    // Joining: sets the series' chart, lets it pick its colour, appends it, tells listeners.
    void InsertSeries(TChartSeries& series);
    // Leaving: tells listeners, clears the series' chart, takes it out of the list.
    void ExtractSeries(TChartSeries& series);

    TChartSeriesList seriesList_;
    TChartEventListeners listeners_;
    std::vector<TColor> chartPalette_;
    TColor color_ = clBtnFace;
    int colorPaletteIndex_ = 0;
    int invalidateCount_ = 0;
    bool repaintEnabled_ = true;
    bool destroying_ = false;
};
