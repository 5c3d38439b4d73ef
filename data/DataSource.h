#pragma once

#include "DataSet.h"

#include <vector>

class TDataSource;

// A view's connection to a data source: the data source calls these as its dataset changes.
// A link leaves its data source when either goes away.
class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    // The data source's dataset; null when there is none.
    TDataSet* DataSet() const;
    bool Active() const;

protected:
    friend class TDataSource;
    virtual void ActiveChanged() {}
    virtual void DataSetChanged() {}
    virtual void DataSetScrolled() {}
    virtual void RecordChanged(const TField* /*field*/) {}
    virtual void EditingChanged() {}
    // The dataset is about to post: hand over any value still being edited (may raise).
    virtual void UpdateData() {}

private:
    TDataSource* dataSource_ = nullptr;
};

// Connects one dataset to any number of views, which thereby share its current record and
// editing state. Neither the dataset nor the links are owned.
class TDataSource {
public:
    explicit TDataSource(TDataSet* dataSet = nullptr);
    ~TDataSource();
    TDataSource(const TDataSource&) = delete;
    TDataSource& operator=(const TDataSource&) = delete;

    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    TDataSetState State() const { return dataSet_ ? dataSet_->State() : dsInactive; }

    int LinkCount() const { return static_cast<int>(links_.size()); }

private:
    friend class TDataSet;
    friend class TDataLink;
    void Notify(TDataEvent event, const TField* field);

    TDataSet* dataSet_ = nullptr;
    std::vector<TDataLink*> links_;
};
