#include "frame/CustomAxisPanel.h"

#include "ChartException.h"
#include "ChartSeries.h"
#include "tools/ChartTool.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int MinChart3DPercent = 1;
constexpr int MaxChart3DPercent = 100;

void Fire(const std::function<void()>& event) {
    if (event)
        event();
}

// Switches repaint requests off for the life of a paint, also when a step throws.
class RepaintsOffDuringPaint {
public:
    explicit RepaintsOffDuringPaint(TCustomChartBase& chart)
        : chart_(chart), saved_(chart.RepaintEnabled()) {
        chart_.SetRepaintEnabled(false);
    }
    ~RepaintsOffDuringPaint() { chart_.SetRepaintEnabled(saved_); }
    RepaintsOffDuringPaint(const RepaintsOffDuringPaint&) = delete;
    RepaintsOffDuringPaint& operator=(const RepaintsOffDuringPaint&) = delete;

private:
    TCustomChartBase& chart_;
    bool saved_;
};

} // namespace

TCustomAxisPanel::TCustomAxisPanel() = default;

void TCustomAxisPanel::SetChart3DPercent(int v) {
    if (v < MinChart3DPercent || v > MaxChart3DPercent) {
        char message[80];
        std::snprintf(message, sizeof message, "3D effect percent must be between %d and %d",
                      MinChart3DPercent, MaxChart3DPercent);
        throw ChartException(message);
    }
    Change(chart3DPercent_, v);
}

bool TCustomAxisPanel::ActiveSeriesUseAxes() const {
    bool anyActive = false;
    for (const TChartSeries* series : SeriesList()) {
        if (!series->Active())
            continue;
        if (series->UsesAxes())
            return true;
        anyActive = true;
    }
    return !anyActive;
}

// --- the paint sequence -------------------------------------------------------------------

void TCustomAxisPanel::DrawChartContents(const TRect& panelRect) {
    // Changes made while painting must not schedule another paint.
    const RepaintsOffDuringPaint repaintsOff(*this);

    const TView3DOptions& view = View3DOptions();
    SetReverseSeriesOrder(View3D() &&
                          (view.Orthogonal() ? view.OrthoAngle() > 90 : view.Rotation() < 180));
    DrawPanelBackground(panelRect);
    Fire(OnBeforeDrawChart);
    for (TChartSeries* series : SeriesList())
        if (series->Active())
            series->PrepareForDrawing();

    PlaceTitlesAndLegend(true);
    AssignZIndexes();
    Compute3DSize();
    ShrinkPlotRectFor3D();
    TakeRoom(LayoutAxes(PlotRect()));
    PositionAxes();
    NormalizePlotRect();
    for (TChartSeries* series : SeriesList())
        if (series->Active())
            series->CalcDepthPositions();
    ApplySeriesMargins();
    Canvas().SetupProjection(ChartDepth(), PlotRect());

    PaintWalls();
    if (AxisBehind()) {
        Fire(OnBeforeDrawAxes);
        DrawAxes();
    }
    Fire(OnBeforeDrawSeries);
    PaintSeriesInOrder();
    if (!AxisBehind()) {
        Fire(OnBeforeDrawAxes);
        DrawAxes();
    }
    for (TChartTool* tool : tools_)
        tool->Draw(*this);
    PlaceTitlesAndLegend(false);
    DrawZoomRectangle();

    Canvas().ResetCanvas();
    Fire(OnAfterDraw);
}

// --- depth ----------------------------------------------------------------------------------

void TCustomAxisPanel::AssignZIndexes() {
    int& maxZIndex = MaxZIndexRef();
    maxZIndex = 0;
    const bool separate = SeparateDepthSlots() && View3D();
    if (separate) {
        maxZIndex = -1;
        for (TChartSeries* series : SeriesList())
            if (series->Active())
                series->CalcZOrder(maxZIndex);
    }
    for (TChartSeries* series : SeriesList()) {
        if (!series->Active())
            continue;
        if (!View3D()) {
            series->SetZIndex(0);
            continue;
        }
        if (DepthAxisInverted())
            continue;
        // Without separate slots only a fixed z order moves a series off the front slot.
        const int own = series->ZOrder() != -1 ? series->ZOrder() : separate ? series->ZIndex() : 0;
        series->SetZIndex(maxZIndex - own);
    }
}

void TCustomAxisPanel::Compute3DSize() {
    if (!View3D()) {
        SetDepths(0, 0, 0, 0);
        return;
    }
    const TView3DOptions& view = View3DOptions();
    double percent = Chart3DPercent() * 0.001;
    if (!view.Orthogonal())
        percent *= 2;
    int seriesDepth = RoundToInt(PlotWidth() * percent);
    const double factor = view.OrthoFactor();
    if (factor > 1)
        seriesDepth = RoundToInt(seriesDepth / factor);
    const int seriesDepthRise = RoundToInt(seriesDepth * factor);
    const int slotCount = SeparateDepthSlots() ? std::max(1, MaxZIndex() + 1) : 1;
    SetDepths(seriesDepth, seriesDepthRise, slotCount * seriesDepth, slotCount * seriesDepthRise);
}

void TCustomAxisPanel::ShrinkPlotRectFor3D() {
    ShrinkFor3D(0, 0, 0);
}

void TCustomAxisPanel::ShrinkFor3D(int backWallSize, int rightWallRoom, int leftWallRoom) {
    if (View3D() && View3DOptions().Orthogonal()) {
        TRect r = PlotRect();
        const int s = ActiveSeriesUseAxes() ? backWallSize : 0;
        if (View3DOptions().OrthoAngle() <= 90)
            r.right -= std::abs(ChartDepth()) + s + rightWallRoom;
        else
            r.left += std::abs(ChartDepth()) + s + leftWallRoom;
        r.top += s + std::abs(ChartDepthRise());
        SetPlotRect(r);
    }
    NormalizePlotRect();
}

bool TCustomAxisPanel::BackIsCulled(int z) const {
    // Top-left, top-right and bottom-right corners of the plane as they land on the screen.
    const TQuad q = Canvas().ProjectRectQuad(PlotRect(), z);
    return FaceTurn(q[0], q[1], q[2]) >= 0;
}
