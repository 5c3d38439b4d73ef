#pragma once

#include "ChartEvents.h"
#include "DataSet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class TChartSeries;
class TCustomChartBase;
class TChartValueList;

// A record of a series dataset: one point's colour, X, label and further values (Y first).
struct TSeriesRecord : TRecordBuffer {
    static constexpr int MaxValues = 12; // X, Y and up to ten further lists
    std::int32_t color = 0;
    double x = 0;
    std::array<double, MaxValues - 1> values{};
    std::string label;
};

// Presents the points of one chart series as records: record k is point k, with the fields
// "Color", X and Y (named after their value lists), "Label" (at most 128 characters) and one
// field for each further value list. It copies nothing: a record is read from the series when
// it is fetched, and a posted record is written into the series at once.
//
// Each record carries an id, its bookmark: 1 .. n when the dataset opens, the next id for every
// record added through it. A point added to the series directly has no id (-1) until the
// dataset is opened again, which is what owners that change the series do.
//
// While open, the dataset reopens itself when the chart of its series broadcasts DataChanged.
// The series is not owned; when it is destroyed the dataset closes and forgets it. The chart
// the series is on when it is assigned must outlive the dataset, or the series must leave it.
class TSeriesDataSet : public TDataSet, private TChartEventListener {
public:
    static constexpr int LabelLength = 128;

    TSeriesDataSet();
    ~TSeriesDataSet() override;

    TChartSeries* Series() const { return series_; }
    // Closes, changes the series and opens again when the dataset was open and there is one.
    void SetSeries(TChartSeries* series);

    // The id of the record at each position while open; null while closed.
    const std::vector<std::int32_t>* RecordIds() const {
        return recordIds_ ? &*recordIds_ : nullptr;
    }
    std::int32_t LastId() const { return lastId_; }
    // Index of the current point: -1 before the first record, PointCount after the last.
    int Cursor() const { return cursor_; }

protected:
    void InternalOpen() override;
    void InternalClose() override;
    bool IsCursorOpen() const override;
    std::vector<TFieldDef> InternalInitFieldDefs() override;
    int GetRecordCount() const override;
    TGetResult GetRecord(TRecordBuffer& buffer, TGetMode mode, bool doCheck) override;
    bool GetRecordAt(int position, TRecordBuffer& buffer) override;
    void InternalFirst() override;
    void InternalLast() override;
    TFieldValue GetFieldData(const TField& field, const TRecordBuffer& buffer) const override;
    void SetFieldData(const TField& field, TRecordBuffer& buffer,
                      const TFieldValue& value) override;
    std::unique_ptr<TRecordBuffer> AllocRecordBuffer() const override;
    void InternalInitRecord(TRecordBuffer& buffer) override;
    void InternalPost() override;
    void InternalAddRecord(const TRecordBuffer& buffer, bool append) override;
    void InternalDelete() override;
    void InternalGotoBookmark(std::int32_t bookmark) override;
    void InternalSetToRecord(const TRecordBuffer& buffer) override;
    int GetRecNo() const override;
    bool InternalSetRecNo(int n) override;

private:
    void ChartEvent(const TChartEvent& event) override;
    void ChartGoing(TCustomChartBase& chart) override;
    void StartListening();
    void StopListening();
    // The series' value list a value field shows; null for "Color" and "Label".
    TChartValueList* ListOf(const TField& field) const;
    int ValueListCount() const;
    void Fill(TSeriesRecord& record) const;
    // Adds the record as a new point with the given id; returns the point's index.
    int AddNewPoint(const TSeriesRecord& record, std::int32_t id);

    TChartSeries* series_ = nullptr;
    TCustomChartBase* listenedChart_ = nullptr;
    std::optional<std::vector<std::int32_t>> recordIds_;
    std::int32_t lastId_ = 0;
    int cursor_ = -1;
};
