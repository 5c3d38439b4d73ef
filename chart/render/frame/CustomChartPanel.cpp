#include "frame/CustomChartPanel.h"

#include "device/ShadowDrawing.h"
#include "frame/ShapePainting.h"

#include <algorithm>
#include <vector>

TCustomChartPanel::TCustomChartPanel() {
    // Building a chart asks for no paint: repaints stay off until the constructor of the
    // chart class (TCustomChart) has set up every part.
    SetRepaintEnabled(false);
    border_.SetEndStyle(esFlat);
    border_.OnChange = [this] { Invalidate(); };
    shadow_.OnChange = [this] { Invalidate(); };
    view3DOptions_.OnChange = [this] { Invalidate(); };
}

TCustomChartPanel::~TCustomChartPanel() {
    BeginDestroy();
}

void TCustomChartPanel::SetView3D(bool v) {
    if (view3D_ == v)
        return;
    view3D_ = v;
    Invalidate();
    TChartView3DEvent event(v);
    BroadcastEvent(event);
}

void TCustomChartPanel::SetMonochrome(bool v) {
    if (canvas_.Monochrome() == v)
        return;
    canvas_.SetMonochrome(v);
    Invalidate();
}

// --- painting -------------------------------------------------------------------------------

void TCustomChartPanel::PaintChart(QImage& window) {
    if (printing_)
        return;
    if (canvas_.RepaintFromBuffer(window))
        return;
    DrawChart(window, GetPanelRect());
}

void TCustomChartPanel::DrawChart(QImage& window, const TRect& r) {
    panelRect_ = canvas_.BeginDrawing(window, view3DOptions_, view3D_, r);
    ComputePlotRect();
    NormalizePlotRect();
    DrawChartContents(panelRect_);
    canvas_.EndDrawing(window, r);
}

void TCustomChartPanel::DrawChartOn(TCanvasDevice& device) {
    // The canvas goes back to its raster surface however the drawing ends.
    struct OnDevice {
        TChartCanvas3D& canvas;
        ~OnDevice() { canvas.SetDevice(nullptr); }
    } onDevice{canvas_};
    canvas_.SetDevice(&device);
    QImage none;
    DrawChart(none, GetPanelRect());
}

void TCustomChartPanel::ComputePlotRect() {
    const int w = panelRect_.Width();
    const int h = panelRect_.Height();
    int frame = borderWidth_;
    if (bevelInner_ != bvNone)
        frame += bevelWidth_;
    if (bevelOuter_ != bvNone)
        frame += bevelWidth_;
    if (border_.Visible())
        frame += border_.Width();
    const bool percent = marginUnits_ == muPercent;
    const auto across = [&](int m) { return percent ? m * w / 100 : m; };
    const auto down = [&](int m) { return percent ? m * h / 100 : m; };
    plotRect_ = {panelRect_.left + frame + across(marginLeft_),
                 panelRect_.top + frame + down(marginTop_),
                 panelRect_.right - frame - across(marginRight_),
                 panelRect_.bottom - frame - down(marginBottom_)};
}

void TCustomChartPanel::NormalizePlotRect() {
    TRect& r = plotRect_;
    r.left = std::max(r.left, panelRect_.left);
    r.top = std::max(r.top, panelRect_.top);
    if (r.left > r.right)
        r.right = r.left + 1;
    else if (r.left == r.right)
        r.right = r.left + Width();
    if (r.top > r.bottom)
        r.bottom = r.top + 1;
    else if (r.top == r.bottom)
        r.bottom = r.top + Height();
    plotWidth_ = r.right - r.left;
    plotHeight_ = r.bottom - r.top;
    plotXCenter_ = (r.left + r.right) / 2;
    plotYCenter_ = (r.top + r.bottom) / 2;
}

// --- background -----------------------------------------------------------------------------

void TCustomChartPanel::DrawPanelBackground(const TRect& panel) {
    canvas_.BeginFlatDrawing();
    TRect r = panel;
    if (std::max(shadow_.HorizSize(), shadow_.VertSize()) > 0) {
        // The panel has no parent window of its own to take the colour from.
        if (Color() != clNone) {
            canvas_.SetBrushColor(Color());
            canvas_.SetBrushStyle(bsSolid);
            canvas_.FillRect(r);
        }
        r.right -= shadow_.HorizSize();
        r.bottom -= shadow_.VertSize();
        DrawShadow(shadow_, canvas_, r, 0);
    }
    FillPanel(r);
    DrawBorderAndBevels(r);
    canvas_.EndFlatDrawing();
}

void TCustomChartPanel::FillPanel(const TRect& r) {
    if (printing_ || Color() == clNone)
        return;
    canvas_.SetBrushColor(Color());
    canvas_.SetBrushStyle(bsSolid);
    canvas_.FillRect(r);
}

void TCustomChartPanel::DrawBorderAndBevels(TRect r) {
    canvas_.SetBrushStyle(bsClear);
    if (border_.Visible()) {
        canvas_.SelectPen(border_);
        // A wide pen is centred on its line: move the line in so the pen stays in the panel.
        const int w = std::max(1, border_.Width());
        const int in = w / 2;
        canvas_.Rectangle(r.left + in, r.top + in, r.right - in, r.bottom - in);
        r = {r.left + w, r.top + w, r.right - w, r.bottom - w};
    }
    if (printing_)
        return;
    canvas_.SetPenStyle(psSolid);
    canvas_.SetPenWidth(1);
    canvas_.SetPenMode(pmCopy);
    PaintBevel(canvas_, r, bevelOuter_, bevelWidth_);
    // The band between the bevels is inset even when it has no colour to paint, so the inner
    // bevel stays where the plotting rectangle expects it.
    if (borderWidth_ > 0) {
        if (Color() != clNone)
            canvas_.BevelFrame(r, Color(), borderWidth_, Color());
        else
            r = {r.left + borderWidth_, r.top + borderWidth_, r.right - borderWidth_,
                 r.bottom - borderWidth_};
    }
    PaintBevel(canvas_, r, bevelInner_, bevelWidth_);
}

// --- mouse ----------------------------------------------------------------------------------

void TCustomChartPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    cancelMouse_ = false;
    ChartMouseDown(button, shift, x, y);
    BroadcastMouse(TChartMouseEventKind::Press, button, shift, x, y);
}

void TCustomChartPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    ChartMouseUp(button, shift, x, y);
    BroadcastMouse(TChartMouseEventKind::Release, button, shift, x, y);
}

void TCustomChartPanel::MouseMove(TShiftState shift, int x, int y) {
    cancelMouse_ = false;
    ChartMouseMove(shift, x, y);
    BroadcastMouse(TChartMouseEventKind::Move, mbLeft, shift, x, y);
}

void TCustomChartPanel::BroadcastMouse(TChartMouseEventKind kind, TMouseButton button,
                                       TShiftState shift, int x, int y) {
    TChartEventListeners& listeners = Listeners();
    if (listeners.Count() == 0 || Destroying())
        return;
    TChartMouseEvent event(kind, button, shift, x, y);
    event.Sender = this;
    // A listener may leave the list while it handles the event.
    std::vector<TChartEventListener*> snapshot;
    for (int i = 0; i < listeners.Count(); ++i)
        snapshot.push_back(listeners[i]);
    for (TChartEventListener* listener : snapshot) {
        if (cancelMouse_)
            break;
        if (listeners.Contains(listener))
            listener->ChartEvent(event);
    }
}
