#pragma once

#include "ChartColor.h"
#include "ChartValueList.h"
#include "CustomChartSeries.h"
#include "LabelsList.h"
#include "SeriesMarks.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TChartAxisBase;
class TSeriesDrawing;

// What happened to the points of a series, for the series that take it as their data source.
enum class TSeriesChange { Cleared = 0, Added = 1, Deleted = 2, Refreshed = 3, Modified = 4 };

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

// A series: an ordered sequence of points, each with an X value, a Y value, an optional colour
// and an optional label. It owns its value lists (X first, then Y), its per-point colours (created
// on the first non-default colour) and its labels (empty until the first label).
//
// Every change of the points asks the chart for a repaint; the chart turns any number of
// requests into one later paint. Writing entries through a value list's SetValueAt requests none.
//
// Extension points for the drawing series types: DrawValue / DrawVisiblePoints, the margins,
// MinX..MaxY, XPixel/YPixel, CalcZOrder / CalcDepthPositions and ComputeVisibleRange.
class TChartSeries : public TCustomChartSeries {
public:
    TChartSeries();
    ~TChartSeries() override;

    // --- points ---------------------------------------------------------------------------
    int PointCount() const { return xValues_->ValueCount(); }

    // Adds a single value: for a vertical series a Y value with X = the current point count.
    virtual int AddValue(double value, const std::string& label = {},
                         TColor color = DefaultPointColor);
    // Inserts the point at the position the X list's order demands; -1 when OnBeforeAdd vetoes.
    virtual int AddPoint(double x, double y, const std::string& label = {},
                         TColor color = DefaultPointColor);
    virtual void RemoveAllPoints();
    // Raises ChartException for an index outside 0 .. PointCount()-1; then nothing changes.
    virtual void DeletePoint(int index);

    // The colour the point is drawn with: its own, else the palette's (ColorEachPoint) or the
    // series colour. clNone marks a null point.
    virtual TColor PointColor(int index) const;
    void SetPointColor(int index, TColor color);
    const std::string& PointLabel(int index) const { return labels_.Label(index); }
    void SetPointLabel(int index, const std::string& label);

    // Null while no point has a colour of its own.
    const std::vector<TColor>* PointColors() const {
        return pointColors_ ? &*pointColors_ : nullptr;
    }
    const TLabelsList& Labels() const { return labels_; }

    // --- value lists ----------------------------------------------------------------------
    TChartValueList& XValues() const { return *xValues_; }
    TChartValueList& YValues() const { return *yValues_; }
    const TChartValueLists& ValuesList() const { return valueLists_; }
    // The list with that name, or null.
    TChartValueList* ValueListByName(const std::string& name) const;
    bool YIsMandatory() const { return yIsMandatory_; }
    TChartValueList& MandatoryList() const { return yIsMandatory_ ? *yValues_ : *xValues_; }
    TChartValueList& NonMandatoryList() const { return yIsMandatory_ ? *xValues_ : *yValues_; }

    // --- colour, title, activity ----------------------------------------------------------
    // The stored colour, or the automatic one while the stored colour is DefaultPointColor.
    TColor SeriesColor() const;
    virtual void SetSeriesColor(TColor color);
    TColor AutoSeriesColor() const { return autoSeriesColor_; }
    bool ColorEachPoint() const { return colorEachPoint_; }
    virtual void SetColorEachPoint(bool value) { Change(colorEachPoint_, value); }

    void SetActive(bool value) override;
    void SetTitle(const std::string& title) override;
    // Title, else the component name, else "Series" and the 1-based position in the chart.
    std::string DisplayTitle() const;

    // Leaves the current chart and joins `chart` (which appends the series to its list).
    void SetParentChart(TCustomChartBase* chart) override;

    TSeriesMarks& Marks() { return marks_; }
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& f) { Change(valueFormat_, f); }
    const std::string& PercentFormat() const { return percentFormat_; }
    void SetPercentFormat(const std::string& f) { Change(percentFormat_, f); }

    // --- change notification --------------------------------------------------------------
    // While a batch is open, added points send no notification; closing the outermost batch
    // refreshes linked series and has the chart broadcast DataChanged.
    void BeginPointBatch() { ++updateDepth_; }
    void EndPointBatch();
    int UpdateDepth() const { return updateDepth_; }

    virtual void NotifyPointAdded(int index);
    // Tells the series that take this one as their data source (none in this program).
    virtual void NotifyLinkedSeries(TSeriesChange kind, int index);
    // Re-checks the data source after a value list's ValueSource changed (none here).
    virtual void CheckDataSource() {}

    // Called on destruction, before the series leaves its chart; keyed so it can be removed.
    void AddFreeNotification(const void* key, std::function<void(TChartSeries&)> handler);
    void RemoveFreeNotification(const void* key);

    // --- axes and drawing services --------------------------------------------------------
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis a) { Change(horizAxis_, a); }
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis a) { Change(vertAxis_, a); }
    // The chart's axis objects this series uses; null without a chart or axis.
    TChartAxisBase* GetHorizAxis() const;
    TChartAxisBase* GetVertAxis() const;
    virtual bool UsesAxes() const { return true; }
    virtual bool AssociatedToAxis(const TChartAxisBase& axis) const;
    // The list shown on `axis`, or null when the series has none there.
    virtual TChartValueList* ValueListOfAxis(const TChartAxisBase& axis) const;

    bool LimitToVisible() const { return limitToVisible_; }
    void SetLimitToVisible(bool v) { limitToVisible_ = v; }
    bool EndBeyondEdge() const { return endBeyondEdge_; }
    void SetEndBeyondEdge(bool v) { endBeyondEdge_ = v; }
    int FirstVisible() const { return firstVisible_; }
    int LastVisible() const { return lastVisible_; }
    // Sets FirstVisible/LastVisible from the axis range of the last layout; -1 when none shows.
    virtual void ComputeVisibleRange();

    virtual bool DrawsForward() const;
    // Calls DrawValue for every visible point, in drawing direction, drawing through `drawing`.
    virtual void DrawVisiblePoints(TSeriesDrawing& drawing);
    virtual void DrawValue(TSeriesDrawing& /*drawing*/, int /*index*/) {}
    virtual void DoBeforeDrawValues();
    virtual void DoAfterDrawValues();

    virtual int XPixel(int index) const;
    virtual int YPixel(int index) const;
    virtual double MinX() const { return xValues_->MinimumValue(); }
    virtual double MaxX() const { return xValues_->MaximumValue(); }
    virtual double MinY() const { return yValues_->MinimumValue(); }
    virtual double MaxY() const { return yValues_->MaximumValue(); }

    // --- depth ----------------------------------------------------------------------------
    int Depth() const { return depth_; }
    void SetDepth(int v) { Change(depth_, v); }
    int ZOrder() const { return zOrder_; }
    void SetZOrder(int v) { Change(zOrder_, v); }
    int ZIndex() const { return zIndex_; }
    void SetZIndex(int v) { zIndex_ = v; }
    int FrontZ() const { return frontZ_; }
    int CentreZ() const { return centreZ_; }
    int BackZ() const { return backZ_; }
    // Takes the next automatic depth slot, or raises `maxZIndex` to the fixed one.
    virtual void CalcZOrder(int& maxZIndex);
    // FrontZ, BackZ and CentreZ from the chart's SeriesDepth and this series' ZIndex.
    virtual void CalcDepthPositions();

    // --- events ---------------------------------------------------------------------------
    std::function<bool(TChartSeries&)> OnBeforeAdd;
    std::function<void(TChartSeries&, int)> OnAfterAdd;
    std::function<void(TChartSeries&)> OnClearValues;
    std::function<void(TChartSeries&)> BeforeDrawValues;
    std::function<void(TChartSeries&)> AfterDrawValues;

protected:
    // Creates a further value list (after X and Y) and appends it to the series' lists.
    TChartValueList& AddValueList(const std::string& name);
    void SetYIsMandatory(bool v) { yIsMandatory_ = v; }
    // Joining a chart: an automatic colour from its palette, then axes and data source.
    virtual void AddedToChart();
    void SetFrontBackZ(int front, int back) {
        frontZ_ = front;
        backZ_ = back;
        centreZ_ = (front + back) / 2;
    }
    void SetCentreZ(int centre) { centreZ_ = centre; }

private:
    friend class TCustomChartBase;

    std::vector<TColor>& EnsurePointColors(int entries);

    TChartValueLists valueLists_;
    TChartValueList* xValues_;
    TChartValueList* yValues_;
    std::optional<std::vector<TColor>> pointColors_;
    TLabelsList labels_;
    TSeriesMarks marks_;
    std::vector<std::pair<const void*, std::function<void(TChartSeries&)>>> freeNotifications_;

    std::string valueFormat_ = "#,##0.###";
    std::string percentFormat_ = "##0.## %";
    TColor seriesColor_ = DefaultPointColor;
    TColor autoSeriesColor_ = DefaultPointColor;
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    int updateDepth_ = 0;
    int depth_ = -1;
    int zOrder_ = -1;
    int zIndex_ = 0;
    int frontZ_ = 0;
    int centreZ_ = 0;
    int backZ_ = 0;
    int firstVisible_ = -1;
    int lastVisible_ = -1;
    bool colorEachPoint_ = false;
    bool yIsMandatory_ = true;
    bool limitToVisible_ = true;
    bool endBeyondEdge_ = false;
};
