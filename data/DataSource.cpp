#include "DataSource.h"

#include <algorithm>

TDataLink::~TDataLink() {
    SetDataSource(nullptr);
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == dataSource_)
        return;
    if (dataSource_)
        std::erase(dataSource_->links_, this);
    dataSource_ = source;
    if (dataSource_)
        dataSource_->links_.push_back(this);
    ActiveChanged();
}

TDataSet* TDataLink::DataSet() const {
    return dataSource_ ? dataSource_->DataSet() : nullptr;
}

bool TDataLink::Active() const {
    const TDataSet* dataSet = DataSet();
    return dataSet && dataSet->Active();
}

TDataSource::TDataSource(TDataSet* dataSet) {
    SetDataSet(dataSet);
}

TDataSource::~TDataSource() {
    SetDataSet(nullptr);
    for (TDataLink* link : links_)
        link->dataSource_ = nullptr;
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_)
        return;
    if (dataSet_)
        std::erase(dataSet_->dataSources_, this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->dataSources_.push_back(this);
    Notify(TDataEvent::ActiveChange, nullptr);
}

void TDataSource::Notify(TDataEvent event, const TField* field) {
    // A view may leave the data source while it handles the event.
    const std::vector<TDataLink*> snapshot = links_;
    for (TDataLink* link : snapshot) {
        if (std::find(links_.begin(), links_.end(), link) == links_.end())
            continue;
        switch (event) {
        case TDataEvent::ActiveChange:
            link->ActiveChanged();
            break;
        case TDataEvent::DataSetChange:
            link->DataSetChanged();
            break;
        case TDataEvent::DataSetScroll:
            link->DataSetScrolled();
            break;
        case TDataEvent::RecordChange:
            link->RecordChanged(field);
            break;
        case TDataEvent::StateChange:
            link->EditingChanged();
            break;
        case TDataEvent::UpdateRecord:
            link->UpdateData();
            break;
        }
    }
}
