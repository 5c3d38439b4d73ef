#pragma once

#include "ChartBrush.h"
#include "ChartColor.h"
#include "ChartFont.h"
#include "ChartGeometry.h"
#include "ChartGradient.h"
#include "ChartPen.h"
#include "device/CanvasTypes.h"
#include "device/RasterSurface.h"

class TCanvasDevice;

#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>

#include <optional>
#include <span>
#include <string>
#include <vector>

// The device canvas every chart draws through: the pen, brush and font in use, the back colour
// and mode, text alignment, a current position, and the clip. It reproduces the device-context
// pixel rules the charts are laid out by: a line covers its start point and stops before its end
// point; a rectangle covers columns left..right-1 and rows top..bottom-1; a filled polygon is
// outlined by the pen; text hangs from its top-left corner unless the alignment says otherwise.
class TChartCanvas {
public:
    TChartCanvas();
    TChartCanvas(const TChartCanvas&) = delete;
    TChartCanvas& operator=(const TChartCanvas&) = delete;
    virtual ~TChartCanvas();

    // Where drawing goes. Normally set by BeginDrawing; drawing without a target does nothing.
    void SetTarget(QImage* image) { surface_.Attach(image); }
    const QImage* Target() const { return surface_.Image(); }

    TRect Bounds() const { return bounds_; }
    bool Monochrome() const { return monochrome_; }
    void SetMonochrome(bool v) { monochrome_ = v; }
    // Draws on the device instead of the raster surface from now on (null: the surface
    // again). The device must outlive its use; a fresh paint starts with its clip lifted.
    void SetDevice(TCanvasDevice* device) { device_ = device; }
    TCanvasDevice* Device() const { return device_; }
    // Whether the drawing is being recorded as shapes rather than pixels.
    bool Metafiling() const { return device_ != nullptr; }

    // --- Attributes -------------------------------------------------------------------------
    void SelectPen(const TChartPen& pen) { SelectPen(pen, pen.Color()); }
    void SelectPen(const TChartPen& pen, TColor color);
    void SelectBrush(const TChartBrush& brush) { SelectBrush(brush, brush.Color(), clNone); }
    void SelectBrush(const TChartBrush& brush, TColor color, TColor backColor = clNone);
    void DarkenBrush(TColor color, int amount);
    void SelectFont(const TChartFont& font);

    // The pen and brush as they are now; colours are plain RGB.
    TColor PenColor() const { return pen_.color; }
    int PenWidth() const { return pen_.width; }
    TPenStyle PenStyle() const { return pen_.style; }
    TPenMode PenMode() const { return pen_.mode; }
    TPenEndStyle PenEndStyle() const { return pen_.endStyle; }
    bool PenSmallDots() const { return pen_.smallDots; }
    void SetPenColor(TColor c) { pen_.color = Resolve(c); }
    void SetPenWidth(int w) { pen_.width = w; }
    void SetPenStyle(TPenStyle s) { pen_.style = s; }
    void SetPenMode(TPenMode m) { pen_.mode = m; }
    void SetPenEndStyle(TPenEndStyle e) { pen_.endStyle = e; }
    void SetPenSmallDots(bool v) { pen_.smallDots = v; }
    TColor BrushColor() const { return brush_.color; }
    TBrushStyle BrushStyle() const { return brush_.style; }
    void SetBrushColor(TColor c) { brush_.color = Resolve(c); }
    void SetBrushStyle(TBrushStyle s) { brush_.style = s; }

    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor c) { backColor_ = Resolve(c); }
    TCanvasBackMode BackMode() const { return backMode_; }
    void SetBackMode(TCanvasBackMode m) { backMode_ = m; }
    unsigned TextAlign() const { return textAlign_; }
    void SetTextAlign(unsigned align) { textAlign_ = align; }

    // Font in use: the device font, its colour, and the chart font it came from (if any).
    const QFont& Font() const { return font_; }
    int FontSize() const { return fontSize_; }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor c) { fontColor_ = Resolve(c); }
    const TChartFont* CurrentFont() const { return currentFont_; }
    int FontZoom() const { return fontZoom_; }
    void SetFontZoom(int percent) { fontZoom_ = percent; }

    // --- 2D primitives ----------------------------------------------------------------------
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1);
    void HorizLine(int x0, int x1, int y) { Line(x0, y, x1, y); }
    void VertLine(int x, int y0, int y1) { Line(x, y0, x, y1); }
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);
    void Rectangle(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom) {
        Rectangle({left, top, right, bottom});
    }
    void RoundRect(const TRect& r, int cornerWidth, int cornerHeight);
    void Ellipse(const TRect& r);
    // Fills with the brush, no outline.
    void FillRect(const TRect& r);
    void SetPixel(int x, int y, TColor color);
    TColor GetPixel(int x, int y) const;
    // Raised or sunken frame of `width` one-pixel rings; the caller's rectangle ends inset by
    // `width` on every side.
    void BevelFrame(TRect& r, TColor topLeft, int width, TColor bottomRight);

    // --- Text -------------------------------------------------------------------------------
    void TextOut(int x, int y, const std::string& text);
    // Counter-clockwise by `degrees` around the reference point.
    void RotatedTextOut(int x, int y, const std::string& text, double degrees);
    int TextPixelWidth(const std::string& text) const;
    int TextPixelHeight(const std::string& text) const;
    int TextLineHeight() const { return TextPixelHeight("W"); }

    // --- Colour bands -----------------------------------------------------------------------
    // Fills r with up to 256 bands from color1 to color2 (see GradientBands.cpp for the layout).
    void GradientBands(TRect r, TColor color1, TColor color2, TGradientDirection direction,
                       int balance);

    // --- Clipping ---------------------------------------------------------------------------
    // Each clip intersects the clip in force; RemoveClip puts back the clip that was in force
    // before the latest one still standing, so clips nest. RemoveClip with no clip standing
    // lifts any clip.
    void ClipToRect(const TRect& r);
    void ClipToPolygon(std::span<const TPoint> points);
    void RemoveClip();
    bool HasClip() const { return surface_.HasClip(); }
    // How many clips stand, not yet removed.
    int ClipDepth() const { return int(outerClips_.size()); }

    // --- Saved state ------------------------------------------------------------------------
    // Pen, brush, font and the number of clips standing: what TCanvasStateSaver puts back.
    struct State;
    State SaveState() const;
    // Back to a saved state, removing the clips made since.
    void RestoreState(const State& state);

    // Back to the defaults of a fresh paint: black 1-pixel solid pen, white solid brush,
    // the default font, white transparent background, text at the top-left.
    void ResetCanvas();

protected:
    struct DevicePen {
        TColor color = clBlack;
        int width = 1;
        TPenStyle style = psSolid;
        TPenMode mode = pmCopy;
        bool smallDots = false;
        TPenEndStyle endStyle = esRound;
    };
    struct DeviceBrush {
        TColor color = clWhite;
        TBrushStyle style = bsSolid;
    };

    static TColor Resolve(TColor c) { return ColorToRGB(c) & 0xFFFFFF; }
    void SetBounds(const TRect& r) { bounds_ = r; }
    TRasterSurface& Surface() { return surface_; }
    // Drops the clip and anything remembered for RemoveClip (a fresh paint starts unclipped).
    void ResetClip();

    // Solid rows straight into the image (no pen, no raster mode), inside the clip.
    void FillSolidRect(const TRect& r, TColor color);
    // r cut to the box outside which nothing is ever written.
    TRect WritablePart(const TRect& r) const;
    // Draws text with a font of `pointSize` points instead of the current size (0: current).
    void DrawText(int x, int y, const std::string& text, double degrees, int pointSize);

private:
    bool PenDraws() const { return pen_.style != psClear; }
    bool ThinPen() const { return pen_.width <= 1 || pen_.smallDots; }
    void ThinLine(int x0, int y0, int x1, int y1);
    // A line with a wide pen; a dashed one starts `dashStart` pixels into its pattern.
    void WideLine(int x0, int y0, int x1, int y1, double dashStart = 0);
    // Whether a dashed wide pen would stroke a piece of the outline through points (closed: back
    // to the first) longer than the painter dashes; such outlines are drawn by WidePieces.
    bool LongDashedWideLines(std::span<const TPoint> points, bool closed) const;
    void WidePieces(std::span<const TPoint> points, bool closed);
    // The inside of Polygon, with the brush; scratch_ already holds the points.
    void FillPolygon(std::span<const TPoint> points);
    void PreparePainterFill(QPainter& p);
    void PreparePainterStroke(QPainter& p);
    // The pen the painter strokes wide lines with: width, dashes, ends and joints.
    QPen PainterPen() const;
    void ApplyMode(QPainter& p) const;
    QFont FontOfSize(int pointSize) const;
    void ApplyClip(const QRegion& region);

    // The device's side of the primitives: the current pen, the points of a line as the pixel
    // rules place them, and a solid fill.
    QPen DeviceStrokePen() const;
    std::vector<QPointF> DeviceLinePoints(std::span<const TPoint> points, bool closed) const;
    void DeviceLine(std::span<const TPoint> points, bool closed);
    void DeviceFill(const QPainterPath& area, TColor color);
    // A closed shape filled with the brush and outlined with the pen. thinArea is the outline
    // for a one-pixel pen (through pixel centres), wideArea the one for wider pens and for a
    // fill alone.
    void DeviceShape(const QPainterPath& thinArea, const QPainterPath& wideArea);
    // The brush fills on a device when solid; hatches are drawn by the raster surface alone.
    bool DeviceBrushFills() const { return brush_.style == bsSolid; }

    TCanvasDevice* device_ = nullptr;

    TRasterSurface surface_;
    TRect bounds_;
    bool monochrome_ = false;

    DevicePen pen_;
    DeviceBrush brush_;
    TColor backColor_ = clWhite;
    TCanvasBackMode backMode_ = cbmTransparent;
    unsigned textAlign_ = taLeft | taTop;

    QFont font_;
    int fontSize_ = DefaultFontSize;
    TColor fontColor_ = clBlack;
    const TChartFont* currentFont_ = nullptr;
    int fontZoom_ = 100;

    TPoint penPos_;
    int dashPos_ = 0; // position within the dash pattern, continued along connected lines
    QPolygon scratch_;

    // For each clip standing, the clip in force before it (nullopt: there was none).
    std::vector<std::optional<QRegion>> outerClips_;
};

struct TChartCanvas::State {
    DevicePen pen;
    DeviceBrush brush;
    QFont font;
    int fontSize = DefaultFontSize;
    TColor fontColor = clBlack;
    const TChartFont* currentFont = nullptr;
    int clipDepth = 0;
};

// Puts the canvas's pen, brush, font and clip back as they were when it was made, however the
// scope ends. Drawing steps use it rather than saving attributes by hand.
class TCanvasStateSaver {
public:
    explicit TCanvasStateSaver(TChartCanvas& canvas)
        : canvas_(canvas), state_(canvas.SaveState()) {}
    TCanvasStateSaver(const TCanvasStateSaver&) = delete;
    TCanvasStateSaver& operator=(const TCanvasStateSaver&) = delete;
    ~TCanvasStateSaver() { canvas_.RestoreState(state_); }

private:
    TChartCanvas& canvas_;
    TChartCanvas::State state_;
};
