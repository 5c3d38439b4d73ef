#include "legend/LegendPainting.h"

#include "device/ChartCanvas3D.h"
#include "frame/ShapePainting.h"
#include "series/CanvasSeriesDrawing.h"

void PaintLegend(TChartCanvas3D& canvas, const TChartLegend& legend) {
    const TLegendPaintState& state = legend.PaintState();
    if (!state.layout.drawn)
        return;
    PaintShape(canvas, legend, legend.ShapeRect(), 0, 0);
    canvas.SelectFont(legend.Font());
    canvas.SetTextAlign(taLeft | taTop);
    canvas.SetBackMode(cbmTransparent);
    TCanvasSeriesDrawing drawing(canvas);
    DrawLegendItems(canvas, drawing, state.items);
}
