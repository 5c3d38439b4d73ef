#pragma once

#include <cassert>
#include <memory>
#include <string>
#include <vector>

class TChartSeries;

enum TChartListOrder : unsigned char { loNone = 0, loAscending = 1, loDescending = 2 };

// One coordinate of every point of a series, as a growable array of doubles. Entry k belongs to
// point k of the owning series. The list can keep its entries ordered while values are inserted
// through InsertPending, and caches minimum, maximum and totals until the next change because
// the axes ask for them on every repaint.
//
// Index accessors do not check their index in release builds: callers keep it within
// 0 .. ValueCount()-1 (0 .. ValueCount() for InsertValueAt). Debug builds assert.
class TChartValueList {
public:
    // Capacity grows in steps of this many entries.
    static constexpr int ValueCapacityStep = 1000;

    // `owner` may be null for a free-standing list; a series creates its lists through
    // TChartSeries::AddValueList, which appends them to its TChartValueLists.
    TChartValueList(TChartSeries* owner, std::string name);
    virtual ~TChartValueList() = default;

    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    TChartSeries* Owner() const { return owner_; }

    int ValueCount() const { return static_cast<int>(values_.size()); }
    // The stepped capacity: 0 while empty, then a multiple of ValueCapacityStep.
    int Capacity() const { return capacity_; }

    double ValueAt(int index) const {
        assert(index >= 0 && index < ValueCount());
        return values_[static_cast<std::size_t>(index)];
    }
    // Stores without re-sorting and without a repaint; tells the owner's linked series.
    void SetValueAt(int index, double value);

    double FirstValue() const { return ValueAt(0); }
    double LastValue() const { return ValueAt(ValueCount() - 1); }

    // Stages `value` and inserts it where Order demands; returns the position.
    virtual int AddOrdered(double value);
    // Inserts PendingValue where Order demands and returns the position. Equal values go after
    // the existing ones, so points with equal X keep the order in which they were added.
    int InsertPending();
    virtual void RemoveAllValues();
    virtual void InsertValueAt(int index, double value);
    virtual void DeleteValue(int index);

    double MinimumValue() { return Stats().minimum; }
    double MaximumValue() { return Stats().maximum; }
    double ValueTotal() { return Stats().total; }
    double AbsoluteTotal() { return Stats().absoluteTotal; }
    double ValueRange() { return MaximumValue() - MinimumValue(); }
    bool StatsStale() const { return statsStale_; }
    // One pass over the entries in use; clears StatsStale.
    void RecalculateStats();

    // Copies Order, DateTime and ValueSource; neither the entries nor the Name.
    virtual void CopySettings(const TChartValueList& other);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TChartListOrder Order() const { return order_; }
    // Stores the order only: the entries are neither sorted nor checked.
    void SetOrder(TChartListOrder order) { order_ = order; }
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool value) { dateTime_ = value; }
    const std::string& ValueSource() const { return valueSource_; }
    void SetValueSource(const std::string& source);

    double PendingValue() const { return pendingValue_; }
    void SetPendingValue(double value) { pendingValue_ = value; }

private:
    struct Statistics {
        double minimum = 0;
        double maximum = 0;
        double total = 0;
        double absoluteTotal = 0;
    };
    const Statistics& Stats() {
        if (statsStale_)
            RecalculateStats();
        return stats_;
    }
    int OrderedPosition(double value) const;
    void ReserveForOneMore();

    TChartSeries* owner_;
    std::string name_;
    std::string valueSource_;
    // Entries in use only: the spare room lives in the vector's own capacity, which grows
    // geometrically so that appending a million values copies the array a few dozen times.
    std::vector<double> values_;
    int capacity_ = 0;
    double pendingValue_ = 0;
    Statistics stats_;
    TChartListOrder order_ = loNone;
    bool dateTime_ = false;
    bool statsStale_ = true;
};

// The value lists of one series, in the order the series created them: X first, then Y.
// Owns its lists; clearing destroys them.
class TChartValueLists {
public:
    int Count() const { return static_cast<int>(lists_.size()); }
    TChartValueList& operator[](int index) const {
        assert(index >= 0 && index < Count());
        return *lists_[static_cast<std::size_t>(index)];
    }
    TChartValueList& Add(std::unique_ptr<TChartValueList> list) {
        lists_.push_back(std::move(list));
        return *lists_.back();
    }
    void Clear() { lists_.clear(); }

    auto begin() const { return lists_.begin(); }
    auto end() const { return lists_.end(); }

private:
    std::vector<std::unique_ptr<TChartValueList>> lists_;
};
