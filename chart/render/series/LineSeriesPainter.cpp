#include "series/LineSeriesPainter.h"

#include "ColorOps.h"
#include "CustomChartBase.h"
#include "CustomSeries.h"

#include <cmath>

TLineSeriesPainter::TLineSeriesPainter(const TCustomSeries& series,
                                       const TSeriesPaintContext& context)
    : series_(series), context_(context), drawing_(context.drawing), horiz_(series.GetHorizAxis()),
      vert_(series.GetVertAxis()), view3D_(context.drawing.Is3D()), frontZ_(series.FrontZ()),
      backZ_(series.BackZ()) {
    skip_ = context.skipHidden && SkippingPossible();
}

bool TLineSeriesPainter::SkippingPossible() const {
    // Covering is decided by rows alone, which holds for solid one-pixel outlines and fills
    // that replace what is under them.
    const TChartPen& pen = series_.LinePen();
    const bool thinSolidPen = pen.Visible() && pen.Width() <= 1 && pen.Style() == psSolid &&
                              pen.Mode() == pmCopy && !pen.SmallDots();
    if (!thinSolidPen)
        return false;
    if (!view3D_)
        return true;
    if (series_.Brush().Style() != bsSolid)
        return false;
    // Deciding by rows holds when the ribbons of one column are copies of one shape moved along
    // the column, and when their edges across the depth set the same pixels whichever way they
    // are walked: upright, level or diagonal. Under a zoom, or a depth that lands on half
    // pixels, each ribbon is rounded a little differently; at other angles the depth edges of
    // neighbouring ribbons, walked in opposite directions, break their ties differently. A later
    // ribbon can then miss a pixel of an earlier one, so every segment is drawn.
    if (!drawing_.ShiftsAtDepth(frontZ_) || !drawing_.ShiftsAtDepth(backZ_))
        return false;
    const TPoint front = drawing_.ProjectPoint({0, 0}, frontZ_);
    const TPoint back = drawing_.ProjectPoint({0, 0}, backZ_);
    const int dx = std::abs(back.x - front.x);
    const int dy = std::abs(back.y - front.y);
    return dx == 0 || dy == 0 || dx == dy;
}

void TLineSeriesPainter::DrawVisiblePoints() {
    ForEachVisiblePoint(series_, [this](int i, int first) { DrawValue(i, first); });
    FlushRun();
}

void TLineSeriesPainter::DrawValue(int index, int first) {
    const TColor c = series_.PointColor(index);
    const int x = horiz_.Pixel(series_.XValues().ValueAt(index));
    const int y = vert_.Pixel(series_.YValues().ValueAt(index));
    if (previousColor_ == clNone) {
        previousX_ = x;
        previousY_ = y;
    }
    if (index == first) {
        if (series_.Dark3D()) {
            steepnessLimit_ =
                context_.seriesDepth != 0
                    ? std::abs(double(context_.seriesDepthRise) / context_.seriesDepth)
                    : 1.0;
        }
        if (index == series_.FirstVisible() && index > 0) {
            const bool inverted = horiz_.Axis().Inverted();
            previousX_ = inverted ? context_.plot.right : context_.plot.left;
            previousY_ = EdgeEntryY(index, horiz_.Axis().PixelToValue(previousX_));
            if (series_.PointColor(index - 1) != clNone)
                Segment(x, y, c);
        }
    } else {
        Segment(x, y, c);
    }
    previousX_ = x;
    previousY_ = y;
    previousColor_ = c;
}

int TLineSeriesPainter::EdgeEntryY(int index, double edgeValue) const {
    const TChartValueList& xs = series_.XValues();
    const TChartValueList& ys = series_.YValues();
    const double x0 = xs.ValueAt(index - 1);
    const double x1 = xs.ValueAt(index);
    const double y0 = ys.ValueAt(index - 1);
    if (x1 == x0)
        return vert_.Pixel(y0);
    const double y1 = ys.ValueAt(index);
    return vert_.Pixel(y0 + (edgeValue - x0) * (y1 - y0) / (x1 - x0));
}

void TLineSeriesPainter::Segment(int x, int y, TColor color) {
    const TPoint from{previousX_, previousY_};
    const TPoint to{x, y};
    if (from == to || color == clNone)
        return;
    if (!skip_) {
        DrawSegment(from, to, color);
        return;
    }
    const bool vertical = from.x == to.x;
    if (!vertical || (!run_.empty() && runX_ != from.x)) {
        FlushRun();
        if (!vertical) {
            DrawSegment(from, to, color);
            return;
        }
    }
    runX_ = from.x;
    runStarts_.push_back(from);
    run_.push_back({from.y, to.y});
    runColors_.push_back(color);
}

void TLineSeriesPainter::FlushRun() {
    if (run_.empty())
        return;
    MarkHiddenSegments(run_, view3D_ ? TSegmentShape::Ribbon : TSegmentShape::Line, hidden_);
    for (std::size_t k = 0; k < run_.size(); ++k)
        if (!hidden_[k])
            DrawSegment(runStarts_[k], {runX_, run_[k].to}, runColors_[k]);
    runStarts_.clear();
    run_.clear();
    runColors_.clear();
}

void TLineSeriesPainter::DrawSegment(TPoint from, TPoint to, TColor color) {
    const TColor own = series_.ColorEachLine() ? color : series_.SeriesColor();
    if (!view3D_) {
        drawing_.SetBrushStyle(bsClear);
        drawing_.SelectPen(series_.LinePen(), own);
        drawing_.Line(from, to);
        return;
    }
    drawing_.SelectPen(series_.LinePen());
    drawing_.SetBrushStyle(series_.Brush().Style());
    TColor fill = own;
    // A segment that rises on screen more steeply than the depth runs is shaded.
    if (series_.Dark3D() && to.x != from.x && steepnessLimit_ != 0 &&
        double(from.y - to.y) / (to.x - from.x) > steepnessLimit_)
        fill = Darken(fill, DarkenAmount);
    if (drawing_.Monochrome())
        fill = clWhite;
    drawing_.SetBrushColor(fill);
    drawing_.PlaneBetween(to, from, frontZ_, backZ_);
}
