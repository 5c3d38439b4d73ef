#pragma once

#include "DataSource.h"
#include "MessageBoxes.h"

#include <QAbstractTableModel>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A column of a data grid: the field it shows, its title, its width in pixels (0: from the
// field's display width) and whether cells and title are centred.
struct TDBGridColumn {
    QString fieldName;
    QString title;
    int width = 0;
    bool centred = false;
};

// The records of a data source's dataset as table rows: one row per record in dataset order,
// plus the new record while one is being inserted. Cells show the configured fields; writing a
// cell writes the field of the current record.
class TDBGridModel : public QAbstractTableModel, public TDataLink {
    Q_OBJECT
public:
    TDBGridModel(platform::ErrorDisplay& errors, QObject* parent = nullptr);

    void SetColumns(std::vector<TDBGridColumn> columns);
    const std::vector<TDBGridColumn>& Columns() const { return columns_; }
    // The field of a column; null while the dataset is closed or lacks it.
    TField* FieldOf(int column) const;
    // Null when there is no data source or it has no dataset.
    TDataSet* ActiveDataSet() const { return Active() ? DataSet() : nullptr; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes through CommitCell.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Writes typed text into a column's field of the current record, starting an edit first
    // when needed; unchanged text writes nothing. Raises what the field raises.
    void WriteCell(int column, const QString& text);
    // WriteCell for a cell editor. A refused text is held with the reason, and nothing is shown:
    // the grid shows the reason once, outside the editor's own event handling. False when
    // refused.
    bool CommitCell(int column, const QString& text);
    // The last text handed over was refused and waits to be corrected.
    bool HoldsRefusedText() const { return refusal_.has_value(); }
    int RefusedColumn() const { return refusal_ ? refusal_->column : -1; }
    QString RefusedText() const { return refusal_ ? refusal_->text : QString(); }
    // Why the text was refused, the first time it is asked for; empty afterwards, and for the
    // same text refused again.
    QString TakeRefusalReason();
    // The refused text is given up (the edit was dropped, or the record went back to browse).
    void ForgetRefusedText() { refusal_.reset(); }

    // Enter in a cell editor: posts a changed record, drops an unchanged one.
    void SubmitRecord();
    // The view calls this whenever its current row changes; moving the dataset is the grid's
    // business, so nothing happens here.
    bool submit() override { return !HoldsRefusedText(); }
    // Escape: drops the edit.
    void revert() override;

    // The view's part: hand over the value still in a cell editor before a post (may raise).
    std::function<void()> OnUpdateData;

signals:
    // The dataset's current record or state changed: the view follows.
    void CurrentChanged();

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled() override;
    void RecordChanged(const TField* field) override;
    void EditingChanged() override;
    void UpdateData() override;

private:
    platform::ErrorDisplay& errors_;
    void Refresh();

    std::vector<TDBGridColumn> columns_;
    mutable std::unique_ptr<TRecordBuffer> scratch_;
    int shownRows_ = 0;
    struct TRefusal {
        int column;
        QString text;
        QString reason; // empty once shown
    };
    std::optional<TRefusal> refusal_;
};
