#include "device/ChartCanvas.h"
#include "device/LineWalk.h"

#include "ColorOps.h"
#include "device/CanvasDevice.h"
#include "device/PolygonClip.h"
#include "device/PolygonSpans.h"
#include "device/SegmentCut.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// On/off run lengths of the thin dashed pens; the pattern runs on along connected lines.
struct DashPattern {
    int count = 0;
    std::array<int, 6> runs{};
};
constexpr DashPattern DashFor(TPenStyle style, bool smallDots) {
    if (smallDots)
        return {2, {1, 1}};
    switch (style) {
    case psDash:
        return {2, {18, 6}};
    case psDot:
        return {2, {3, 3}};
    case psDashDot:
        return {4, {9, 6, 3, 6}};
    case psDashDotDot:
        return {6, {9, 3, 3, 3, 3, 3}};
    default:
        return {};
    }
}
// A whole number of every pattern's length: dash positions are kept below it, so that lines
// millions of pixels long never overflow the position and keep its phase.
constexpr std::int64_t DashCycle = 24 * 4096;
bool DashIsOn(const DashPattern& d, int pos) {
    int total = 0;
    for (int i = 0; i < d.count; ++i)
        total += d.runs[std::size_t(i)];
    pos %= total;
    for (int i = 0; i < d.count; ++i) {
        pos -= d.runs[std::size_t(i)];
        if (pos < 0)
            return i % 2 == 0;
    }
    return true;
}

Qt::PenStyle ToQtStyle(TPenStyle s) {
    switch (s) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle ToQtBrush(TBrushStyle s) {
    switch (s) {
    case bsClear:
        return Qt::NoBrush;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

TRasterSurface::PixelMode ToPixelMode(TPenMode m) {
    switch (m) {
    case pmXor:
        return TRasterSurface::PixelMode::Xor;
    case pmNotXor:
        return TRasterSurface::PixelMode::NotXor;
    default:
        return TRasterSurface::PixelMode::Copy;
    }
}

} // namespace

TChartCanvas::TChartCanvas() {
    ResetCanvas();
}

TChartCanvas::~TChartCanvas() = default;

// --- Attributes ---------------------------------------------------------------------------

void TChartCanvas::SelectPen(const TChartPen& pen, TColor color) {
    if (!pen.Visible()) {
        pen_.style = psClear;
        return;
    }
    pen_.color = monochrome_ ? clBlack : Resolve(color);
    pen_.width = pen.Width();
    pen_.style = pen.Style();
    pen_.mode = pen.Mode();
    pen_.smallDots = pen.SmallDots();
    pen_.endStyle = pen.EndStyle();
}

void TChartCanvas::SelectBrush(const TChartBrush& brush, TColor color, TColor backColor) {
    brush_.color = monochrome_ ? clWhite : Resolve(color);
    brush_.style = brush.Style();
    if (backColor == clNone) {
        backMode_ = cbmTransparent;
    } else {
        backMode_ = cbmOpaque;
        backColor_ = Resolve(backColor);
    }
}

void TChartCanvas::DarkenBrush(TColor color, int amount) {
    const TColor darker = Darken(Resolve(color), amount);
    if (brush_.style == bsSolid)
        brush_.color = darker;
    else
        backColor_ = darker;
}

void TChartCanvas::SelectFont(const TChartFont& font) {
    fontSize_ = font.Size();
    if (fontZoom_ != 100)
        fontSize_ = RoundToInt(fontSize_ * fontZoom_ * 0.01);
    font_ = QFont(QString::fromStdString(font.Name()));
    font_.setPixelSize(std::max(1, MulDiv(fontSize_, 96, 72)));
    const TFontStyles style = font.Style();
    font_.setBold(style & fsBold);
    font_.setItalic(style & fsItalic);
    font_.setUnderline(style & fsUnderline);
    font_.setStrikeOut(style & fsStrikeOut);
    if (font.InterCharSize() != 0)
        font_.setLetterSpacing(QFont::AbsoluteSpacing, font.InterCharSize());
    fontColor_ = monochrome_ ? clBlack : Resolve(font.Color());
    currentFont_ = &font;
}

QFont TChartCanvas::FontOfSize(int pointSize) const {
    QFont f = font_;
    f.setPixelSize(std::max(1, MulDiv(pointSize, 96, 72)));
    return f;
}

void TChartCanvas::ResetCanvas() {
    pen_ = DevicePen{};
    brush_ = DeviceBrush{};
    fontSize_ = DefaultFontSize;
    font_ = QFont(QString::fromLatin1(DefaultFontName));
    font_.setPixelSize(MulDiv(fontSize_, 96, 72));
    fontColor_ = clBlack;
    currentFont_ = nullptr;
    backColor_ = clWhite;
    backMode_ = cbmTransparent;
    textAlign_ = taLeft | taTop;
}

// --- Painter state --------------------------------------------------------------------------

void TChartCanvas::ApplyMode(QPainter& p) const {
    switch (pen_.mode) {
    case pmXor:
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case pmNotXor:
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    default:
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    }
}

void TChartCanvas::PreparePainterFill(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(ToQColor(brush_.color), ToQtBrush(brush_.style)));
    p.setBackgroundMode(backMode_ == cbmOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(ToQColor(backColor_));
    ApplyMode(p);
}

QPen TChartCanvas::PainterPen() const {
    QPen pen(ToQColor(pen_.color));
    pen.setStyle(ToQtStyle(pen_.style));
    pen.setWidth(ThinPen() ? 1 : pen_.width);
    switch (pen_.endStyle) {
    case esRound:
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    case esSquare:
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case esFlat:
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    }
    return pen;
}

void TChartCanvas::PreparePainterStroke(QPainter& p) {
    p.setPen(PainterPen());
    p.setBrush(Qt::NoBrush);
    p.setBackgroundMode(backMode_ == cbmOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(ToQColor(backColor_));
    ApplyMode(p);
}

// --- Device geometry ------------------------------------------------------------------------

QPen TChartCanvas::DeviceStrokePen() const {
    if (!ThinPen())
        return PainterPen();
    // One pixel wide, square at the ends and joints as the pixels are, dashed by the same runs
    // as the raster lines.
    QPen pen(ToQColor(pen_.color));
    pen.setWidthF(1);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    const DashPattern dash = DashFor(pen_.style, pen_.smallDots);
    if (dash.count > 0) {
        QList<qreal> runs;
        for (int i = 0; i < dash.count; ++i)
            runs << dash.runs[std::size_t(i)];
        pen.setDashPattern(runs);
    }
    return pen;
}

// A one-pixel line runs through the centres of its pixels, from the near edge of the first to
// the near edge of the last, which it does not cover; wider lines are centred on the points as
// the painter strokes them on the raster.
std::vector<QPointF> TChartCanvas::DeviceLinePoints(std::span<const TPoint> points,
                                                    bool closed) const {
    const double centre = ThinPen() ? 0.5 : 0;
    std::vector<QPointF> line(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        line[i] = QPointF(points[i].x + centre, points[i].y + centre);
    if (ThinPen() && !closed && line.size() >= 2) {
        const auto halfStep = [](QPointF from, QPointF to) {
            const QPointF d = to - from;
            const double major = std::max(std::abs(d.x()), std::abs(d.y()));
            return major == 0 ? QPointF() : d * (0.5 / major);
        };
        const std::size_t n = line.size();
        line[0] -= halfStep(line[0], line[1]);
        line[n - 1] -= halfStep(line[n - 2], line[n - 1]);
    }
    return line;
}

void TChartCanvas::DeviceLine(std::span<const TPoint> points, bool closed) {
    if (!PenDraws() || points.size() < 2)
        return;
    const std::vector<QPointF> line = DeviceLinePoints(points, closed);
    QPen pen = DeviceStrokePen();
    if (ThinPen() && pen.style() == Qt::CustomDashLine) {
        pen.setDashOffset(dashPos_);
        if (backMode_ == cbmOpaque) {
            QPen gaps = pen;
            gaps.setStyle(Qt::SolidLine);
            gaps.setColor(ToQColor(backColor_));
            device_->Stroke(line, closed, gaps);
        }
    }
    device_->Stroke(line, closed, pen);
}

void TChartCanvas::DeviceFill(const QPainterPath& area, TColor color) {
    device_->Fill(area, ToQColor(color), nullptr);
}

void TChartCanvas::DeviceShape(const QPainterPath& thinArea, const QPainterPath& wideArea) {
    const bool thin = PenDraws() && ThinPen();
    const QPen pen = DeviceStrokePen();
    const QPen* outline = PenDraws() ? &pen : nullptr;
    const QColor fill = DeviceBrushFills() ? ToQColor(brush_.color) : QColor(Qt::transparent);
    if (outline || DeviceBrushFills())
        device_->Fill(thin ? thinArea : wideArea, fill, outline);
}

// --- Lines ----------------------------------------------------------------------------------

// One-pixel lines are rasterised here rather than by the painter, so that the start point is
// set and the end point is not, whatever the slope, and connected lines set each joint once.
void TChartCanvas::ThinLine(int x0, int y0, int x1, int y1) {
    if ((x0 == x1 && y0 == y1) || !surface_.HasTarget())
        return;
    surface_.Painter(); // keeps the direct pixel writes on the painter's memory
    const TLineWalk line(x0, y0, x1, y1);
    const DashPattern dash = DashFor(pen_.style, pen_.smallDots);
    const std::uint32_t on = ToArgb(pen_.color);
    const std::uint32_t off = ToArgb(backColor_);
    const bool fillGaps = backMode_ == cbmOpaque;
    const TRasterSurface::PixelMode mode = ToPixelMode(pen_.mode);

    // Only the steps whose pixels can be written are walked; the dash pattern still runs on
    // along the whole line.
    const TRasterSurface::TBox& box = surface_.WritableBox();
    const TLineWalk::TRange range = line.StepsInside(box.left, box.top, box.right, box.bottom);
    const int dashStart = dashPos_;
    dashPos_ = int((dashStart + line.Steps()) % DashCycle);
    if (range.first == range.last)
        return;

    // Bresenham's walk over the steps in range, each pixel through `plot`.
    const auto walk = [&](auto&& plot) {
        const TLineWalk::TStep s = line.At(range.first);
        int x = s.x;
        int y = s.y;
        std::int64_t err = s.err;
        const std::int64_t major2 = 2 * line.Major();
        const std::int64_t minor2 = 2 * line.Minor();
        const int sx = line.StepX();
        const int sy = line.StepY();
        if (line.XMajor()) {
            for (std::int64_t i = range.first; i < range.last; ++i) {
                plot(x, y, i);
                if (err > 0) {
                    y += sy;
                    err -= major2;
                }
                err += minor2;
                x += sx;
            }
        } else {
            for (std::int64_t i = range.first; i < range.last; ++i) {
                plot(x, y, i);
                if (err > 0) {
                    x += sx;
                    err -= major2;
                }
                err += minor2;
                y += sy;
            }
        }
    };

    // A solid run wholly inside the clip, as nearly all chart lines are, skips the per-pixel
    // tests.
    const TLineWalk::TStep a = line.At(range.first);
    const TLineWalk::TStep b = line.At(range.last - 1);
    if (dash.count == 0 && surface_.Covers(std::min(a.x, b.x), std::min(a.y, b.y),
                                           std::max(a.x, b.x), std::max(a.y, b.y))) {
        walk([&](int x, int y, std::int64_t) { surface_.PlotUnchecked(x, y, on, mode); });
        return;
    }
    walk([&](int x, int y, std::int64_t i) {
        if (dash.count == 0)
            surface_.Plot(x, y, on, mode);
        else if (DashIsOn(dash, int((dashStart + i) % DashCycle)))
            surface_.Plot(x, y, on, mode);
        else if (fillGaps)
            surface_.Plot(x, y, off, mode);
    });
}

// Lines longer than this are cut to the image before a dashed wide pen strokes them: the
// painter lays out every dash of the whole line, and past some ten thousand repetitions gives up
// and strokes it solid. Shorter lines, all that a chart draws near its image, go as they are.
constexpr std::int64_t LongWideLine = 1 << 14;

bool TChartCanvas::LongDashedWideLines(std::span<const TPoint> points, bool closed) const {
    if (ThinPen() || ToQtStyle(pen_.style) == Qt::SolidLine || points.size() < 2)
        return false;
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < (closed ? n : n - 1); ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[(i + 1) % n];
        if (std::max(std::llabs(std::int64_t(b.x) - a.x), std::llabs(std::int64_t(b.y) - a.y)) >
            LongWideLine)
            return true;
    }
    return false;
}

void TChartCanvas::WidePieces(std::span<const TPoint> points, bool closed) {
    // Piece by piece, each cut to the image, the pattern running on from piece to piece.
    const std::size_t n = points.size();
    double run = 0;
    for (std::size_t i = 0; i < (closed ? n : n - 1); ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[(i + 1) % n];
        WideLine(a.x, a.y, b.x, b.y, run);
        run += std::hypot(double(b.x) - a.x, double(b.y) - a.y);
    }
}

void TChartCanvas::WideLine(int x0, int y0, int x1, int y1, double dashStart) {
    QPainter& p = surface_.Painter();
    PreparePainterStroke(p);
    const double dx = double(x1) - x0;
    const double dy = double(y1) - y0;
    if (p.pen().style() == Qt::SolidLine ||
        (std::max(std::abs(dx), std::abs(dy)) <= double(LongWideLine) && dashStart == 0)) {
        p.drawLine(QPoint(x0, y0), QPoint(x1, y1));
        return;
    }
    // The part of the line within a margin around the writable box (Liang-Barsky), the pattern
    // shifted by the length cut from the start, so the dashes on the image stay where they were.
    const TRasterSurface::TBox& box = surface_.WritableBox();
    const double margin = 2.0 * pen_.width + 2;
    const QRectF room(QPointF(box.left - margin, box.top - margin),
                      QPointF(box.right + margin, box.bottom + margin));
    double t0 = 0;
    double t1 = 1;
    if (!CutSegmentToRect(QPointF(x0, y0), QPointF(x1, y1), room, t0, t1))
        return;
    QPen pen = p.pen();
    pen.setDashOffset(pen.dashOffset() + (dashStart + t0 * std::hypot(dx, dy)) / pen.widthF());
    p.setPen(pen);
    p.drawLine(QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy));
}

void TChartCanvas::MoveTo(int x, int y) {
    penPos_ = {x, y};
    dashPos_ = 0;
}

void TChartCanvas::LineTo(int x, int y) {
    if (device_) {
        const std::array<TPoint, 2> line{penPos_, TPoint{x, y}};
        if (line[0] != line[1])
            DeviceLine(line, false);
        const std::int64_t steps = std::max(std::llabs(std::int64_t(x) - penPos_.x),
                                            std::llabs(std::int64_t(y) - penPos_.y));
        dashPos_ = int((dashPos_ + steps) % DashCycle);
        penPos_ = {x, y};
        return;
    }
    if (PenDraws() && surface_.HasTarget()) {
        if (ThinPen())
            ThinLine(penPos_.x, penPos_.y, x, y);
        else
            WideLine(penPos_.x, penPos_.y, x, y);
    }
    penPos_ = {x, y};
}

void TChartCanvas::Line(int x0, int y0, int x1, int y1) {
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

void TChartCanvas::Polyline(std::span<const TPoint> points) {
    if (points.empty())
        return;
    if (device_) {
        dashPos_ = 0;
        DeviceLine(points, false);
        penPos_ = points.back();
        return;
    }
    if (!PenDraws() || !surface_.HasTarget() || points.size() < 2) {
        penPos_ = points.back();
        return;
    }
    if (ThinPen()) {
        MoveTo(points[0].x, points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i)
            LineTo(points[i].x, points[i].y);
        return;
    }
    if (LongDashedWideLines(points, false)) {
        WidePieces(points, false);
        penPos_ = points.back();
        return;
    }
    scratch_.resize(qsizetype(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        scratch_[qsizetype(i)] = QPoint(points[i].x, points[i].y);
    QPainter& p = surface_.Painter();
    PreparePainterStroke(p);
    p.drawPolyline(scratch_);
    penPos_ = points.back();
}

// --- Filled shapes --------------------------------------------------------------------------

void TChartCanvas::Polygon(std::span<const TPoint> points) {
    if (device_) {
        if (points.size() < 2)
            return;
        if (points.size() == 2) {
            DeviceLine(points, true);
            return;
        }
        const auto area = [&](double centre) {
            QPolygonF ring(qsizetype(points.size()));
            for (std::size_t i = 0; i < points.size(); ++i)
                ring[qsizetype(i)] = QPointF(points[i].x + centre, points[i].y + centre);
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            path.addPolygon(ring);
            path.closeSubpath();
            return path;
        };
        dashPos_ = 0;
        DeviceShape(area(0.5), area(0));
        return;
    }
    if (points.size() < 2 || !surface_.HasTarget())
        return;
    scratch_.resize(qsizetype(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        scratch_[qsizetype(i)] = QPoint(points[i].x, points[i].y);
    if (brush_.style != bsClear && points.size() >= 3)
        FillPolygon(points);
    if (!PenDraws())
        return;
    if (ThinPen()) {
        dashPos_ = 0;
        const std::size_t n = points.size();
        for (std::size_t i = 0; i < n; ++i) {
            const TPoint& a = points[i];
            const TPoint& b = points[(i + 1) % n];
            ThinLine(a.x, a.y, b.x, b.y);
        }
    } else if (LongDashedWideLines(points, true)) {
        WidePieces(points, true);
    } else {
        QPainter& p = surface_.Painter();
        PreparePainterStroke(p);
        p.drawPolygon(scratch_, Qt::OddEvenFill);
    }
}

void TChartCanvas::FillPolygon(std::span<const TPoint> points) {
    QPainter& p = surface_.Painter();
    // A solid copy fill of a ribbon or a face is by far the commonest; the painter's general
    // path costs microseconds each, the spans written directly a fraction of that.
    if (brush_.style == bsSolid && pen_.mode == pmCopy && surface_.DirectPixels() &&
        FillPolygonSpans(surface_, points, ToArgb(brush_.color)))
        return;
    PreparePainterFill(p);
    p.drawPolygon(scratch_, Qt::OddEvenFill);
}

void TChartCanvas::FillRect(const TRect& rect) {
    const TRect r = OrderedRect(rect);
    if (device_) {
        if (!r.IsEmpty() && DeviceBrushFills()) {
            QPainterPath area;
            area.addRect(QRectF(r.left, r.top, r.Width(), r.Height()));
            DeviceFill(area, brush_.color);
        }
        return;
    }
    if (r.IsEmpty() || brush_.style == bsClear || !surface_.HasTarget())
        return;
    QPainter& p = surface_.Painter();
    PreparePainterFill(p);
    if (brush_.style == bsSolid && pen_.mode == pmCopy)
        p.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQColor(brush_.color));
    else
        p.drawRect(QRect(r.left, r.top, r.Width(), r.Height()));
}

void TChartCanvas::Rectangle(const TRect& rect) {
    const TRect r = OrderedRect(rect);
    if (device_ && !r.IsEmpty()) {
        dashPos_ = 0;
        const std::array<TPoint, 4> ring{TPoint{r.left, r.top}, TPoint{r.right - 1, r.top},
                                         TPoint{r.right - 1, r.bottom - 1},
                                         TPoint{r.left, r.bottom - 1}};
        if (PenDraws() && ThinPen()) {
            QPainterPath area;
            area.addRect(QRectF(r.left + 0.5, r.top + 0.5, r.Width() - 1, r.Height() - 1));
            DeviceShape(area, area);
            return;
        }
        FillRect(r);
        DeviceLine(ring, true);
        return;
    }
    if (r.IsEmpty() || !surface_.HasTarget())
        return;
    FillRect(r);
    if (!PenDraws())
        return;
    if (ThinPen()) {
        const std::array<TPoint, 5> ring{TPoint{r.left, r.top}, TPoint{r.right - 1, r.top},
                                         TPoint{r.right - 1, r.bottom - 1},
                                         TPoint{r.left, r.bottom - 1}, TPoint{r.left, r.top}};
        Polyline(ring);
    } else {
        QPainter& p = surface_.Painter();
        PreparePainterStroke(p);
        p.drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
    }
}

void TChartCanvas::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) {
    const TRect r = OrderedRect(rect);
    if (device_ && !r.IsEmpty()) {
        const auto area = [&](double centre) {
            QPainterPath path;
            path.addRoundedRect(
                QRectF(r.left + centre, r.top + centre, r.Width() - 1, r.Height() - 1),
                cornerWidth / 2.0, cornerHeight / 2.0);
            return path;
        };
        DeviceShape(area(0.5), area(0));
        return;
    }
    if (r.IsEmpty() || !surface_.HasTarget())
        return;
    QPainter& p = surface_.Painter();
    const QRect q(r.left, r.top, r.Width() - 1, r.Height() - 1);
    if (brush_.style != bsClear) {
        PreparePainterFill(p);
        p.drawRoundedRect(q, cornerWidth / 2.0, cornerHeight / 2.0);
    }
    if (PenDraws()) {
        PreparePainterStroke(p);
        p.drawRoundedRect(q, cornerWidth / 2.0, cornerHeight / 2.0);
    }
}

void TChartCanvas::Ellipse(const TRect& rect) {
    const TRect r = OrderedRect(rect);
    if (device_ && !r.IsEmpty()) {
        const auto area = [&](double centre) {
            QPainterPath path;
            path.addEllipse(QRectF(r.left + centre, r.top + centre, r.Width() - 1, r.Height() - 1));
            return path;
        };
        DeviceShape(area(0.5), area(0));
        return;
    }
    if (r.IsEmpty() || !surface_.HasTarget())
        return;
    QPainter& p = surface_.Painter();
    const QRect q(r.left, r.top, r.Width() - 1, r.Height() - 1);
    if (brush_.style != bsClear) {
        PreparePainterFill(p);
        p.drawEllipse(q);
    }
    if (PenDraws()) {
        PreparePainterStroke(p);
        p.drawEllipse(q);
    }
}

void TChartCanvas::SetPixel(int x, int y, TColor color) {
    if (device_) {
        QPainterPath dot;
        dot.addRect(QRectF(x, y, 1, 1));
        DeviceFill(dot, Resolve(color));
        return;
    }
    if (!surface_.HasTarget())
        return;
    surface_.Painter();
    surface_.Plot(x, y, ToArgb(Resolve(color)), TRasterSurface::PixelMode::Copy);
}

TColor TChartCanvas::GetPixel(int x, int y) const {
    const std::uint32_t argb = surface_.Pixel(x, y);
    return RGBColor(int(argb >> 16 & 0xFF), int(argb >> 8 & 0xFF), int(argb & 0xFF));
}

void TChartCanvas::BevelFrame(TRect& r, TColor topLeft, int width, TColor bottomRight) {
    pen_.style = psSolid;
    pen_.width = 1;
    pen_.smallDots = false;
    r.right -= 1;
    r.bottom -= 1;
    for (int i = 0; i < width; ++i) {
        pen_.color = Resolve(topLeft);
        const std::array<TPoint, 3> upper{TPoint{r.left, r.bottom}, TPoint{r.left, r.top},
                                          TPoint{r.right, r.top}};
        Polyline(upper);
        pen_.color = Resolve(bottomRight);
        const std::array<TPoint, 3> lower{TPoint{r.right, r.top}, TPoint{r.right, r.bottom},
                                          TPoint{r.left - 1, r.bottom}};
        Polyline(lower);
        r.left += 1;
        r.top += 1;
        r.right -= 1;
        r.bottom -= 1;
    }
    r.right += 1;
    r.bottom += 1;
}

// --- Text -----------------------------------------------------------------------------------

void TChartCanvas::DrawText(int x, int y, const std::string& text, double degrees, int pointSize) {
    if (text.empty() || (!surface_.HasTarget() && !device_))
        return;
    const QFont font = pointSize > 0 ? FontOfSize(pointSize) : font_;
    const QFontMetrics fm(font);
    const QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    const int width = fm.horizontalAdvance(s);
    const int ascent = fm.ascent();
    const int descent = fm.descent();

    int dx = 0;
    switch (textAlign_ & taHorizontalMask) {
    case taRight:
        dx = -width;
        break;
    case taCenter:
        dx = -(width / 2);
        break;
    default:
        break;
    }
    int baseline = ascent; // top alignment
    if ((textAlign_ & taVerticalMask) == taBaseline)
        baseline = 0;
    else if ((textAlign_ & taVerticalMask) == taBottom)
        baseline = -descent;

    const TChartShadow* shadow = currentFont_ ? currentFont_->ShadowIfAny() : nullptr;
    const bool shadowed = shadow && (shadow->HorizSize() != 0 || shadow->VertSize() != 0);
    if (device_) {
        std::optional<TCanvasDevice::TextBox> cell;
        if (backMode_ == cbmOpaque)
            cell = TCanvasDevice::TextBox{QRectF(dx, baseline - ascent, width, ascent + descent),
                                          ToQColor(backColor_)};
        int tx = dx;
        int ty = baseline;
        if (shadowed) {
            const int h = shadow->HorizSize();
            const int v = shadow->VertSize();
            device_->Text(QPointF(x, y), degrees, QPointF(tx + std::max(h, 0), ty + std::max(v, 0)),
                          font, s, ToQColor(Resolve(shadow->Color())), cell);
            cell.reset();
            tx += std::max(-h, 0);
            ty += std::max(-v, 0);
        }
        device_->Text(QPointF(x, y), degrees, QPointF(tx, ty), font, s, ToQColor(fontColor_), cell);
        return;
    }

    QPainter& p = surface_.Painter();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The text cell is filled below when the back mode asks for it, never by the painter's own
    // background left over from a hatched fill.
    p.setBackgroundMode(Qt::TransparentMode);
    p.translate(x, y);
    if (degrees != 0) {
        p.rotate(-degrees);
        p.setRenderHint(QPainter::TextAntialiasing, true);
    }
    if (backMode_ == cbmOpaque)
        p.fillRect(QRect(dx, baseline - ascent, width, ascent + descent), ToQColor(backColor_));
    p.setFont(font);

    int tx = dx;
    int ty = baseline;
    if (shadowed) {
        // The shadow sits to the right and below for positive sizes; for negative ones the text
        // moves instead, so the shadow stays at the reference point.
        const int h = shadow->HorizSize();
        const int v = shadow->VertSize();
        p.setPen(ToQColor(Resolve(shadow->Color())));
        p.drawText(QPoint(tx + std::max(h, 0), ty + std::max(v, 0)), s);
        tx += std::max(-h, 0);
        ty += std::max(-v, 0);
    }
    p.setPen(ToQColor(fontColor_));
    p.drawText(QPoint(tx, ty), s);
    p.restore();
}

void TChartCanvas::TextOut(int x, int y, const std::string& text) {
    DrawText(x, y, text, 0, 0);
}

void TChartCanvas::RotatedTextOut(int x, int y, const std::string& text, double degrees) {
    while (degrees > 360)
        degrees -= 360;
    brush_.style = bsClear;
    DrawText(x, y, text, degrees, 0);
}

int TChartCanvas::TextPixelWidth(const std::string& text) const {
    const QFontMetrics fm(font_);
    int w = fm.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
    if (const TChartShadow* shadow = currentFont_ ? currentFont_->ShadowIfAny() : nullptr)
        w += std::abs(shadow->HorizSize());
    return w;
}

int TChartCanvas::TextPixelHeight(const std::string&) const {
    const QFontMetrics fm(font_);
    int h = fm.height();
    if (const TChartShadow* shadow = currentFont_ ? currentFont_->ShadowIfAny() : nullptr)
        h += std::abs(shadow->VertSize());
    return h;
}

// --- Clipping -------------------------------------------------------------------------------

void TChartCanvas::ResetClip() {
    surface_.ClearClip();
    outerClips_.clear();
    if (device_)
        device_->ClearClip();
}

void TChartCanvas::ApplyClip(const QRegion& region) {
    std::optional<QRegion> current;
    if (surface_.HasClip())
        current = surface_.Clip();
    outerClips_.push_back(current);
    surface_.SetClip(current ? current->intersected(region) : region);
}

void TChartCanvas::ClipToRect(const TRect& rect) {
    const TRect r = OrderedRect(rect);
    ApplyClip(r.IsEmpty() ? QRegion() : QRegion(r.left, r.top, r.Width(), r.Height()));
    if (device_) {
        QPainterPath area;
        if (!r.IsEmpty())
            area.addRect(QRectF(r.left, r.top, r.Width(), r.Height()));
        device_->ClipTo(area);
    }
}

// Outlines reaching further than this beyond the image are cut to it first: a region is built
// row by row over the outline's whole height, and from some height on comes out empty.
constexpr int ClipOutlineMargin = 1024;

void TChartCanvas::ClipToPolygon(std::span<const TPoint> points) {
    const int left = -ClipOutlineMargin;
    const int top = -ClipOutlineMargin;
    const int right = surface_.Width() + ClipOutlineMargin;
    const int bottom = surface_.Height() + ClipOutlineMargin;
    const bool reachesFar = std::any_of(points.begin(), points.end(), [&](const TPoint& p) {
        return p.x < left || p.x > right || p.y < top || p.y > bottom;
    });
    std::vector<TPoint> cut;
    if (reachesFar) {
        cut = ClipPolygonToBox(points, left, top, right, bottom);
        points = cut;
    }
    QPolygon poly(qsizetype(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        poly[qsizetype(i)] = QPoint(points[i].x, points[i].y);
    ApplyClip(QRegion(poly, Qt::OddEvenFill));
    if (device_) {
        // The region holds a pixel when its corner is inside the outline: as geometry, the
        // outline half a pixel down and right.
        QPainterPath area;
        area.setFillRule(Qt::OddEvenFill);
        area.addPolygon(QPolygonF(poly).translated(0.5, 0.5));
        area.closeSubpath();
        device_->ClipTo(area);
    }
}

void TChartCanvas::RemoveClip() {
    if (device_)
        device_->RemoveClip();
    if (outerClips_.empty()) {
        surface_.ClearClip();
        return;
    }
    if (const std::optional<QRegion>& outer = outerClips_.back())
        surface_.SetClip(*outer);
    else
        surface_.ClearClip();
    outerClips_.pop_back();
}

TChartCanvas::State TChartCanvas::SaveState() const {
    return {pen_, brush_, font_, fontSize_, fontColor_, currentFont_, ClipDepth()};
}

void TChartCanvas::RestoreState(const State& state) {
    pen_ = state.pen;
    brush_ = state.brush;
    font_ = state.font;
    fontSize_ = state.fontSize;
    fontColor_ = state.fontColor;
    currentFont_ = state.currentFont;
    while (ClipDepth() > state.clipDepth)
        RemoveClip();
}
