#pragma once

#include "ChartBrush.h"
#include "ChartPen.h"
#include "SetIfChanged.h"

#include <string>

class TCustomChartBase;

// Base of everything a chart shows as a component of its own (series, and later tools). It owns
// a pen and a brush and listens to them: any change of either asks the chart for a repaint.
//
// Elements are identity objects (the pen and brush handlers refer to `this`), so they are
// neither copied nor moved.
class TCustomChartElement {
public:
    TCustomChartElement();
    virtual ~TCustomChartElement() = default;
    TCustomChartElement(const TCustomChartElement&) = delete;
    TCustomChartElement& operator=(const TCustomChartElement&) = delete;

    // The component name, as the form gives it; used when there is no title.
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    bool Active() const { return active_; }
    virtual void SetActive(bool value);

    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }
    // Copies the settings of `pen` (one repaint request).
    virtual void SetPen(const TChartPen& pen) { pen_.Assign(pen); }
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }

    // The chart that shows the element; not owned, null when none.
    TCustomChartBase* ParentChart() const { return parentChart_; }
    virtual void SetParentChart(TCustomChartBase* chart) { parentChart_ = chart; }

    // Asks the chart for one later repaint; nothing is drawn at once.
    void RequestRepaint() const;

    virtual std::string Description() const { return {}; }

protected:
    // The pen or the brush changed.
    virtual void CanvasChanged() { RequestRepaint(); }
    // Sets the chart reference only: the chart does this while it adds or removes the element.
    void StoreParentChart(TCustomChartBase* chart) { parentChart_ = chart; }

    template <class T> bool Change(T& field, const T& value) {
        return SetIfChanged(field, value, [this] { RequestRepaint(); });
    }

private:
    friend class TCustomChartBase;

    std::string name_;
    TChartPen pen_;
    TChartBrush brush_;
    TCustomChartBase* parentChart_ = nullptr;
    bool active_ = true;
};
