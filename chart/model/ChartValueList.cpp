#include "ChartValueList.h"

#include "ChartSeries.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

TChartValueList::TChartValueList(TChartSeries* owner, std::string name)
    : owner_(owner), name_(std::move(name)) {
    RemoveAllValues();
}

void TChartValueList::SetValueAt(int index, double value) {
    assert(index >= 0 && index < ValueCount());
    values_[static_cast<std::size_t>(index)] = value;
    statsStale_ = true;
    if (owner_)
        owner_->NotifyLinkedSeries(TSeriesChange::Modified, index);
}

int TChartValueList::AddOrdered(double value) {
    pendingValue_ = value;
    return InsertPending();
}

int TChartValueList::OrderedPosition(double p) const {
    const int n = ValueCount();
    if (order_ == loNone || n == 0)
        return n;
    // A linear scan from the end: values that arrive in order cost one comparison.
    int k = n - 1;
    if (order_ == loAscending) {
        if (p >= values_[k])
            return n;
        while (k >= 0 && values_[k] > p)
            --k;
    } else {
        if (p <= values_[k])
            return n;
        while (k >= 0 && values_[k] < p)
            --k;
    }
    return k + 1;
}

int TChartValueList::InsertPending() {
    const int position = OrderedPosition(pendingValue_);
    InsertValueAt(position, pendingValue_);
    return position;
}

void TChartValueList::ReserveForOneMore() {
    if (ValueCount() < capacity_)
        return;
    if (capacity_ > std::numeric_limits<int>::max() - ValueCapacityStep)
        throw std::bad_alloc();
    // The storage grows first: when it cannot, the list stays as it was.
    const int grown = capacity_ + ValueCapacityStep;
    if (values_.capacity() < static_cast<std::size_t>(grown))
        values_.reserve(std::max(static_cast<std::size_t>(grown), 2 * values_.capacity()));
    capacity_ = grown;
}

void TChartValueList::InsertValueAt(int index, double value) {
    assert(index >= 0 && index <= ValueCount());
    ReserveForOneMore();
    if (index == ValueCount())
        values_.push_back(value);
    else
        values_.insert(static_cast<std::size_t>(index), value);
    statsStale_ = true;
}

void TChartValueList::DeleteValue(int index) {
    assert(index >= 0 && index < ValueCount());
    values_.erase(static_cast<std::size_t>(index));
    statsStale_ = true;
}

void TChartValueList::RemoveAllValues() {
    values_.Release();
    capacity_ = 0;
    statsStale_ = true;
}

void TChartValueList::RecalculateStats() {
    Statistics s;
    if (!values_.empty()) {
        s.minimum = s.maximum = s.total = values_[0];
        s.absoluteTotal = std::fabs(values_[0]);
        for (std::size_t k = 1; k < values_.size(); ++k) {
            const double v = values_[k];
            if (v < s.minimum)
                s.minimum = v;
            else if (v > s.maximum)
                s.maximum = v;
            s.total += v;
            s.absoluteTotal += std::fabs(v);
        }
    }
    stats_ = s;
    statsStale_ = false;
}

void TChartValueList::CopySettings(const TChartValueList& other) {
    order_ = other.order_;
    dateTime_ = other.dateTime_;
    valueSource_ = other.valueSource_;
}

void TChartValueList::SetValueSource(const std::string& source) {
    if (source == valueSource_)
        return;
    valueSource_ = source;
    if (owner_)
        owner_->CheckDataSource();
}
