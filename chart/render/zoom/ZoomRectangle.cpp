#include "zoom/ZoomRectangle.h"

#include "device/ChartCanvas.h"
#include "zoom/ChartZoom.h"

void DrawZoomRectangle(TChartCanvas& canvas, TChartZoom& zoom, TColor background) {
    const TCanvasStateSaver saved(canvas);
    constexpr TColor rgb = 0xFFFFFF;
    TChartZoomPen& pen = zoom.Pen();
    const TColor inverted =
        (ColorToRGB(pen.Color()) ^ (rgb - (ColorToRGB(background) & rgb))) & rgb;
    canvas.SelectPen(pen, inverted);
    canvas.SetPenMode(pmNotXor);
    if (const TChartZoomBrush* brush = zoom.BrushIfAny())
        canvas.SelectBrush(*brush);
    else
        canvas.SetBrushStyle(bsClear);
    canvas.Rectangle(zoom.X0, zoom.Y0, zoom.X1, zoom.Y1);
}
