#include "ChartSeries.h"
#include "frame/CustomChart.h"
#include "zoom/ZoomRectangle.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr TAxisSide ZoomedSides[] = {TAxisSide::Left, TAxisSide::Top, TAxisSide::Right,
                                     TAxisSide::Bottom};

std::size_t SlotOf(TAxisSide side) {
    return static_cast<std::size_t>(side);
}

bool KeysHeld(TShiftState shift, TShiftState keys) {
    return (shift & keys) == keys;
}

void Fire(const std::function<void()>& event) {
    if (event)
        event();
}

// Points the canvas at the image the window shows for as long as it lives.
class DrawingOnShownImage {
public:
    explicit DrawingOnShownImage(TChartCanvas3D& canvas)
        : canvas_(canvas), attached_(canvas.DrawOnBuffer()) {}
    ~DrawingOnShownImage() { canvas_.SetTarget(nullptr); }
    DrawingOnShownImage(const DrawingOnShownImage&) = delete;
    DrawingOnShownImage& operator=(const DrawingOnShownImage&) = delete;
    bool Attached() const { return attached_; }

private:
    TChartCanvas3D& canvas_;
    bool attached_;
};

} // namespace

// --- the part under the mouse ---------------------------------------------------------------

TChartPart TCustomChart::PartAt(int x, int y) const {
    if (AxisAt(x, y))
        return TChartPart::Axis;
    if (LegendShouldDraw() && LegendItemAt(x, y) >= 0)
        return TChartPart::Legend;
    for (const TChartTitle* title : {&title_, &subTitle_, static_cast<const TChartTitle*>(&foot_),
                                     static_cast<const TChartTitle*>(&subFoot_)})
        if (title->Visible() && !title->Text().empty() && title->ShapeRect().Contains(x, y))
            return TChartPart::Title;
    if (PlotRect().Contains(x, y))
        for (const TChartSeries* series : SeriesList())
            if (series->Active())
                return TChartPart::PlotRect;
    return TChartPart::None;
}

bool TCustomChart::AxisAt(int x, int y) const {
    for (const TChartAxis* shown : {LeftAxis(), TopAxis(), RightAxis(), BottomAxis()}) {
        const TChartAxis& axis = *shown;
        if (!axis.IsShown())
            continue;
        const int along = axis.Horizontal() ? x : y;
        const int across = axis.Horizontal() ? y : x;
        // The initializer-list form returns values: the two-argument form would return
        // references to the temporaries.
        const auto [near, far] = std::minmax({axis.AxisLinePos(), axis.LabelsPos()});
        if (along >= axis.StartPixel() && along <= axis.EndPixel() && across >= near &&
            across <= far)
            return true;
    }
    return false;
}

// --- mouse ----------------------------------------------------------------------------------

void TCustomChart::ChartMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TChartZoom& zoom = Zoom();
    TZoomPanning& panning = zoomScroll_.Panning;
    if (zoom.Active() || panning.Active())
        return;
    const TChartPart part = PartAt(x, y);
    if (part == TChartPart::None || part == TChartPart::Legend || !ActiveSeriesUseAxes())
        return;

    if (zoom.Allow() && button == zoom.MouseButton() && KeysHeld(shift, zoom.KeyShift())) {
        zoom.Activate(x, y);
        const TRect plot = PlotRect();
        if (zoom.Direction() == tzdVertical) {
            zoom.X0 = plot.left;
            zoom.X1 = plot.right;
        } else if (zoom.Direction() == tzdHorizontal) {
            zoom.Y0 = plot.top;
            zoom.Y1 = plot.bottom;
        }
        InvertZoomRectangle();
    }
    // Scrolling needs no modifier keys.
    if (AllowPanning() != pmNone && button == scrollMouseButton_)
        panning.Activate(x, y);
}

void TCustomChart::ChartMouseMove(TShiftState, int x, int y) {
    TChartZoom& zoom = Zoom();
    if (zoom.Active()) {
        if (zoom.Direction() == tzdVertical)
            x = PlotRect().right;
        else if (zoom.Direction() == tzdHorizontal)
            y = PlotRect().bottom;
        if (x != zoom.X1 || y != zoom.Y1) {
            InvertZoomRectangle();
            zoom.X1 = x;
            zoom.Y1 = y;
            InvertZoomRectangle();
        }
    }
    if (zoomScroll_.Panning.Active())
        ScrollTo(x, y);
}

void TCustomChart::ChartMouseUp(TMouseButton button, TShiftState, int x, int y) {
    TChartZoom& zoom = Zoom();
    if (zoom.Active() && button == zoom.MouseButton()) {
        zoom.SetActive(false);
        InvertZoomRectangle();
        const int minimum = zoom.MinimumPixels();
        if (zoom.Direction() == tzdVertical)
            x = zoom.X0 + minimum + 1;
        else if (zoom.Direction() == tzdHorizontal)
            y = zoom.Y0 + minimum + 1;
        zoom.X1 = x;
        zoom.Y1 = y;
        if (std::abs(zoom.X1 - zoom.X0) > minimum && std::abs(zoom.Y1 - zoom.Y0) > minimum) {
            // Only the horizontal direction tells a zoom from an undo.
            if (zoom.UpLeftZooms() || zoom.X0 < zoom.X1)
                ZoomRect({zoom.X0, zoom.Y0, zoom.X1, zoom.Y1});
            else
                UndoZoom();
            Invalidate();
        }
    }
    zoomScroll_.Panning.SetActive(false);
}

// --- zoom, undo and scroll --------------------------------------------------------------------

void TCustomChart::ZoomRect(TRect r) {
    r = OrderedRect(r);
    // The values under the edges, all taken before any axis changes.
    struct Target {
        TChartAxis* axis;
        double low;
        double high;
    };
    std::vector<Target> targets;
    // A one-way zoom leaves the other way's axes alone.
    const TZoomDirection direction = Zoom().Direction();
    for (TAxisSide side : ZoomedSides) {
        TChartAxis* axis = &AxisOnSide(side);
        const bool across = side == TAxisSide::Top || side == TAxisSide::Bottom;
        if ((across && direction == tzdVertical) || (!across && direction == tzdHorizontal))
            continue;
        if (across)
            targets.push_back({axis, axis->PixelToValue(r.left), axis->PixelToValue(r.right)});
        else
            targets.push_back({axis, axis->PixelToValue(r.bottom), axis->PixelToValue(r.top)});
    }
    if (zoomScroll_.ScalesNotSaved)
        SaveScales();
    for (const Target& t : targets)
        t.axis->SetRange(t.low, t.high);
    zoomScroll_.Zoomed = true;
    Fire(OnZoom);
}

void TCustomChart::UndoZoom() {
    if (!zoomScroll_.ScalesNotSaved) {
        for (TAxisSide side : ZoomedSides)
            RestoreScale(AxisOnSide(side), zoomScroll_.SavedScales[SlotOf(side)]);
        zoomScroll_.ScalesNotSaved = true;
    }
    Fire(OnUndoZoom);
    Invalidate();
    zoomScroll_.Zoomed = false;
}

void TCustomChart::SaveScales() {
    for (TAxisSide side : ZoomedSides)
        zoomScroll_.SavedScales[SlotOf(side)] = SaveScale(AxisOnSide(side));
    zoomScroll_.ScalesNotSaved = false;
}

void TCustomChart::ScrollTo(int x, int y) {
    TZoomPanning& panning = zoomScroll_.Panning;
    if (!PlotRect().Contains(x, y)) {
        // Leaving the plotting rectangle ends the drag for good.
        panning.SetActive(false);
        return;
    }
    if (x == panning.X1 && y == panning.Y1)
        return;
    if (zoomScroll_.ScalesNotSaved)
        SaveScales();

    const TPanningMode mode = AllowPanning();
    const bool across = x != panning.X1 && (mode == pmHorizontal || mode == pmBoth);
    const bool down = y != panning.Y1 && (mode == pmVertical || mode == pmBoth);
    // The data follows the mouse: each axis moves by the values between the two pixels.
    const auto scroll = [this](TAxisSide side, int from, int to) {
        TChartAxis& axis = AxisOnSide(side);
        const double d = axis.PixelToValue(from) - axis.PixelToValue(to);
        double minimum = axis.Minimum() + d;
        double maximum = axis.Maximum() + d;
        bool allow = true;
        if (OnAllowScroll)
            OnAllowScroll(axis, minimum, maximum, allow);
        if (allow)
            axis.SetRange(minimum, maximum);
    };
    if (across) {
        scroll(TAxisSide::Top, panning.X1, x);
        scroll(TAxisSide::Bottom, panning.X1, x);
    }
    if (down) {
        scroll(TAxisSide::Left, panning.Y1, y);
        scroll(TAxisSide::Right, panning.Y1, y);
    }
    panning.X1 = x;
    panning.Y1 = y;
    if (across || down) {
        Fire(OnScroll);
        Invalidate();
    }
}

// --- the rectangle ----------------------------------------------------------------------------

void TCustomChart::DrawZoomRectangle() {
    if (Zoom().Active())
        ::DrawZoomRectangle(Canvas(), Zoom(), BackWallColor());
}

void TCustomChart::InvertZoomRectangle() {
    const DrawingOnShownImage drawing(Canvas());
    if (!drawing.Attached())
        return;
    ::DrawZoomRectangle(Canvas(), Zoom(), BackWallColor());
    if (OnImageChanged)
        OnImageChanged();
}
