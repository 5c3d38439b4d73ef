#include "SeriesDataSet.h"

#include "ChartSeries.h"
#include "CustomChartBase.h"
#include "DataErrors.h"
#include "DateTimeStamp.h"
#include "Utf8Text.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int ColorFieldNo = 1;
constexpr int XFieldNo = 2;
constexpr int LabelFieldNo = 4;

// Field numbers of the value lists: X is 2, Y 3, further lists from 5 on (after "Label").
int FieldNoOfList(int list) {
    return list < 2 ? XFieldNo + list : list + 3;
}

// The value list a field number shows; -1 for "Color" and "Label".
int ListOfFieldNo(int fieldNo) {
    if (fieldNo == XFieldNo || fieldNo == XFieldNo + 1)
        return fieldNo - XFieldNo;
    return fieldNo > LabelFieldNo ? fieldNo - 3 : -1;
}

double& Slot(TSeriesRecord& record, int list) {
    return list == 0 ? record.x : record.values[static_cast<std::size_t>(list - 1)];
}

double Slot(const TSeriesRecord& record, int list) {
    return list == 0 ? record.x : record.values[static_cast<std::size_t>(list - 1)];
}

double NumberOf(const TFieldValue& value) {
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return *i;
    return ParseFloat(std::get<std::string>(value));
}

[[noreturn]] void RefuseNull(const TField& field) {
    // The record has no place for "no value"; storing 0 instead would silently invent data.
    throw EDatabaseError("Field '" + field.FieldName() + "' must have a value");
}

} // namespace

TSeriesDataSet::TSeriesDataSet() = default;

TSeriesDataSet::~TSeriesDataSet() {
    Close();
    StopListening();
}

// --- the series -------------------------------------------------------------------------------

void TSeriesDataSet::SetSeries(TChartSeries* series) {
    if (series == series_)
        return;
    const bool wasOpen = Active();
    Close();
    StopListening();
    series_ = series;
    StartListening();
    if (wasOpen && series_)
        Open();
}

void TSeriesDataSet::StartListening() {
    if (!series_)
        return;
    series_->AddFreeNotification(this, [this](TChartSeries&) { SetSeries(nullptr); });
    listenedChart_ = series_->ParentChart();
    if (listenedChart_)
        listenedChart_->AddListener(*this);
}

void TSeriesDataSet::StopListening() {
    if (series_)
        series_->RemoveFreeNotification(this);
    if (listenedChart_)
        listenedChart_->RemoveListener(*this);
    listenedChart_ = nullptr;
}

void TSeriesDataSet::ChartEvent(const TChartEvent& event) {
    const auto* seriesEvent = dynamic_cast<const TChartSeriesEvent*>(&event);
    if (!seriesEvent)
        return;
    if (seriesEvent->Event == TChartSeriesEventKind::SeriesRemoved &&
        seriesEvent->Series == series_ && listenedChart_) {
        // The series leaves this chart: its events no longer concern the dataset.
        listenedChart_->RemoveListener(*this);
        listenedChart_ = nullptr;
        return;
    }
    if (seriesEvent->Event == TChartSeriesEventKind::DataChanged && Active()) {
        Close();
        Open();
    }
}

void TSeriesDataSet::ChartGoing(TCustomChartBase& chart) {
    if (&chart == listenedChart_)
        listenedChart_ = nullptr;
}

// --- open and close ---------------------------------------------------------------------------

void TSeriesDataSet::InternalOpen() {
    if (!series_)
        throw EDatabaseError("Cannot open SeriesDataSet. No Series assigned.");
    recordIds_.emplace(static_cast<std::size_t>(series_->PointCount()));
    std::iota(recordIds_->begin(), recordIds_->end(), 1);
    lastId_ = series_->PointCount();
    cursor_ = -1;
}

void TSeriesDataSet::InternalClose() {
    recordIds_.reset();
    lastId_ = 0;
    cursor_ = -1;
}

bool TSeriesDataSet::IsCursorOpen() const {
    return series_ && recordIds_;
}

int TSeriesDataSet::ValueListCount() const {
    return std::min(series_->ValuesList().Count(), TSeriesRecord::MaxValues);
}

std::vector<TFieldDef> TSeriesDataSet::InternalInitFieldDefs() {
    const auto& lists = series_->ValuesList();
    auto valueDef = [&](int list, std::string fallback) {
        const TChartValueList& values = lists[list];
        return TFieldDef{values.Name().empty() ? std::move(fallback) : values.Name(),
                         values.DateTime() ? TFieldType::DateTime : TFieldType::Float, 0,
                         FieldNoOfList(list)};
    };
    std::vector<TFieldDef> defs{
        {"Color", TFieldType::Integer, 0, ColorFieldNo},
        valueDef(0, "X"),
        valueDef(1, "Y"),
        {"Label", TFieldType::String, LabelLength, LabelFieldNo},
    };
    for (int list = 2; list < ValueListCount(); ++list)
        defs.push_back(valueDef(list, "Value" + std::to_string(list)));
    return defs;
}

// --- fetching ---------------------------------------------------------------------------------

int TSeriesDataSet::GetRecordCount() const {
    return series_ ? series_->PointCount() : 0;
}

TGetResult TSeriesDataSet::GetRecord(TRecordBuffer& buffer, TGetMode mode, bool doCheck) {
    if (!series_) {
        if (doCheck)
            throw EDatabaseError("No Records");
        return TGetResult::Error;
    }
    const int count = series_->PointCount();
    if (count == 0)
        return TGetResult::Eof;
    switch (mode) {
    case TGetMode::Current:
        if (cursor_ < 0 || cursor_ >= count) {
            if (doCheck)
                throw EDatabaseError("No Records");
            return TGetResult::Error;
        }
        break;
    case TGetMode::Next:
        if (cursor_ >= count - 1)
            return TGetResult::Eof;
        ++cursor_;
        break;
    case TGetMode::Prior:
        if (cursor_ <= 0)
            return TGetResult::Bof;
        --cursor_;
        break;
    }
    Fill(static_cast<TSeriesRecord&>(buffer));
    return TGetResult::OK;
}

bool TSeriesDataSet::GetRecordAt(int position, TRecordBuffer& buffer) {
    const int saved = cursor_;
    cursor_ = position;
    const TGetResult result = GetRecord(buffer, TGetMode::Current, false);
    cursor_ = saved;
    return result == TGetResult::OK;
}

void TSeriesDataSet::Fill(TSeriesRecord& record) const {
    record.color = static_cast<std::int32_t>(series_->PointColor(cursor_));
    const int lists = ValueListCount();
    for (int list = 0; list < lists; ++list)
        Slot(record, list) = series_->ValuesList()[list].ValueAt(cursor_);
    record.label = Utf8Prefix(series_->PointLabel(cursor_), LabelLength);
    const auto index = static_cast<std::size_t>(cursor_);
    record.bookmark =
        index < recordIds_->size() && (*recordIds_)[index] != 0 ? (*recordIds_)[index] : -1;
    record.bookmarkFlag = TBookmarkFlag::Current;
}

void TSeriesDataSet::InternalFirst() {
    cursor_ = -1;
}

void TSeriesDataSet::InternalLast() {
    cursor_ = series_ ? series_->PointCount() : 0;
}

// --- fields -----------------------------------------------------------------------------------

TChartValueList* TSeriesDataSet::ListOf(const TField& field) const {
    const int list = ListOfFieldNo(field.FieldNo());
    return list >= 0 && list < ValueListCount() ? &series_->ValuesList()[list] : nullptr;
}

TFieldValue TSeriesDataSet::GetFieldData(const TField& field, const TRecordBuffer& buffer) const {
    // A new record of an empty series is still readable while it is being inserted.
    if (!series_ || (series_->PointCount() == 0 && State() != dsInsert))
        return {};
    const auto& record = static_cast<const TSeriesRecord&>(buffer);
    const int no = field.FieldNo();
    if (no == ColorFieldNo)
        return record.color;
    if (no == LabelFieldNo)
        return record.label.empty() ? TFieldValue{} : TFieldValue{record.label};
    const TChartValueList* list = ListOf(field);
    if (!list)
        return {};
    const double value = Slot(record, ListOfFieldNo(no));
    return list->DateTime() ? DateTimeStamp::DaysToMilliseconds(value) : value;
}

void TSeriesDataSet::SetFieldData(const TField& field, TRecordBuffer& buffer,
                                  const TFieldValue& value) {
    auto& record = static_cast<TSeriesRecord&>(buffer);
    const bool null = std::holds_alternative<std::monostate>(value);
    const int no = field.FieldNo();
    if (no == LabelFieldNo) {
        record.label = null ? std::string() : Utf8Prefix(std::get<std::string>(value), LabelLength);
        return;
    }
    if (null)
        RefuseNull(field);
    if (no == ColorFieldNo) {
        record.color = static_cast<std::int32_t>(std::nearbyint(NumberOf(value)));
        return;
    }
    const TChartValueList* list = ListOf(field);
    if (!list)
        throw EDatabaseError("Field '" + field.FieldName() + "' not found");
    const double number = NumberOf(value);
    Slot(record, ListOfFieldNo(no)) =
        list->DateTime() ? DateTimeStamp::MillisecondsToDays(number) : number;
}

std::unique_ptr<TRecordBuffer> TSeriesDataSet::AllocRecordBuffer() const {
    return std::make_unique<TSeriesRecord>();
}

void TSeriesDataSet::InternalInitRecord(TRecordBuffer& buffer) {
    auto& record = static_cast<TSeriesRecord&>(buffer);
    record.color = 0;
    record.x = 0;
    record.values.fill(0);
    record.label.clear();
}

// --- changes ----------------------------------------------------------------------------------

void TSeriesDataSet::InternalPost() {
    const auto& record = static_cast<const TSeriesRecord&>(ActiveBuffer());
    if (State() == dsInsert) {
        cursor_ = AddNewPoint(record, lastId_ + 1);
        return;
    }
    if (cursor_ < 0 || cursor_ >= series_->PointCount())
        throw EDatabaseError("No Records");
    // The point keeps its index, and the colour shown becomes its own.
    series_->SetPointColor(cursor_, static_cast<TColor>(record.color));
    const int lists = ValueListCount();
    for (int list = 0; list < lists; ++list)
        series_->ValuesList()[list].SetValueAt(cursor_, Slot(record, list));
    series_->SetPointLabel(cursor_, record.label);
}

int TSeriesDataSet::AddNewPoint(const TSeriesRecord& record, std::int32_t id) {
    const int lists = ValueListCount();
    for (int list = 2; list < lists; ++list)
        series_->ValuesList()[list].SetPendingValue(Slot(record, list));
    const int index = series_->AddPoint(record.x, record.values[0], record.label,
                                        static_cast<TColor>(record.color));
    if (index < 0)
        throw EDatabaseError("The series did not accept the new point");
    // The id goes to the end of the list, wherever the point was placed by its X value.
    recordIds_->push_back(id);
    lastId_ = id;
    return index;
}

void TSeriesDataSet::InternalAddRecord(const TRecordBuffer& buffer, bool append) {
    if (append)
        cursor_ = series_->PointCount();
    cursor_ = AddNewPoint(static_cast<const TSeriesRecord&>(buffer), lastId_ + 1);
}

void TSeriesDataSet::InternalDelete() {
    series_->DeletePoint(cursor_);
    if (cursor_ >= 0 && static_cast<std::size_t>(cursor_) < recordIds_->size())
        recordIds_->erase(recordIds_->begin() + cursor_);
    if (cursor_ >= series_->PointCount())
        --cursor_;
}

// --- positions --------------------------------------------------------------------------------

void TSeriesDataSet::InternalGotoBookmark(std::int32_t bookmark) {
    const auto it = std::find(recordIds_->begin(), recordIds_->end(), bookmark);
    if (it == recordIds_->end())
        throw EDatabaseError("Bookmark not found");
    cursor_ = static_cast<int>(it - recordIds_->begin());
}

void TSeriesDataSet::InternalSetToRecord(const TRecordBuffer& buffer) {
    InternalGotoBookmark(buffer.bookmark);
}

int TSeriesDataSet::GetRecNo() const {
    if (cursor_ < 0 && GetRecordCount() > 0)
        return 1;
    return cursor_ + 1;
}

bool TSeriesDataSet::InternalSetRecNo(int n) {
    if (n < 0 || n > GetRecordCount())
        return false;
    cursor_ = n - 1;
    return true;
}
