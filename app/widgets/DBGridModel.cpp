#include "DBGridModel.h"

#include "DataErrors.h"
#include "ErrorText.h"
#include "FieldText.h"
#include "Guarded.h"

#include <QPainter>
#include <QPixmap>
#include <utility>

namespace {

// The row indicator's glyph for the current record: a triangle while browsing, an I-beam while
// editing, a star for a new record.
QPixmap IndicatorGlyph(TDataSetState state) {
    QPixmap pixmap(7, 9);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    switch (state) {
    case dsEdit:
        p.drawLine(3, 0, 3, 8);
        p.drawLine(1, 0, 5, 0);
        p.drawLine(1, 8, 5, 8);
        break;
    case dsInsert:
        p.drawLine(0, 4, 6, 4);
        p.drawLine(3, 1, 3, 7);
        p.drawLine(1, 2, 5, 6);
        p.drawLine(1, 6, 5, 2);
        break;
    default: {
        const QPoint triangle[3] = {{1, 0}, {5, 4}, {1, 8}};
        p.drawPolygon(triangle, 3);
    }
    }
    return pixmap;
}

} // namespace

TDBGridModel::TDBGridModel(platform::ErrorDisplay& errors, QObject* parent)
    : QAbstractTableModel(parent), errors_(errors) {}

void TDBGridModel::SetColumns(std::vector<TDBGridColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

TField* TDBGridModel::FieldOf(int column) const {
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || column < 0 || column >= static_cast<int>(columns_.size()))
        return nullptr;
    return dataSet->FindField(columns_[static_cast<std::size_t>(column)].fieldName.toStdString());
}

int TDBGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int TDBGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TDBGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const auto& column = columns_[static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole) {
        if (column.centred)
            return QVariant::fromValue(Qt::AlignCenter);
        const TField* field = FieldOf(index.column());
        const bool number = field && field->DataType() != TFieldType::String;
        return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    TDataSet* dataSet = ActiveDataSet();
    const TField* field = FieldOf(index.column());
    if (!dataSet || !field)
        return {};
    if (!scratch_)
        scratch_ = dataSet->NewRecordBuffer();
    const TRecordBuffer* record = dataSet->ReadRow(index.row(), *scratch_);
    if (!record)
        return {};
    return FieldText::Display(*field, dataSet->FieldValue(*field, *record));
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return QString();
        const TDataSet* dataSet = ActiveDataSet();
        if (role == Qt::DecorationRole && dataSet && section == dataSet->CurrentRow()) {
            static const QPixmap glyphs[] = {IndicatorGlyph(dsBrowse), IndicatorGlyph(dsEdit),
                                             IndicatorGlyph(dsInsert)};
            return glyphs[dataSet->State() == dsInsert ? 2 : dataSet->State() == dsEdit ? 1 : 0];
        }
        return {};
    }
    if (section < 0 || section >= static_cast<int>(columns_.size()))
        return {};
    const auto& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return column.title.isEmpty() ? column.fieldName : column.title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.centred ? Qt::AlignCenter
                                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool TDBGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    return index.isValid() && role == Qt::EditRole && CommitCell(index.column(), value.toString());
}

bool TDBGridModel::CommitCell(int column, const QString& text) {
    // The same text refused again (the editor committing once more as it closes) stays quiet.
    if (refusal_ && refusal_->column == column && refusal_->text == text)
        return false;
    try {
        WriteCell(column, text);
        refusal_.reset();
        return true;
    } catch (const EAbort&) {
        refusal_ = TRefusal{column, text, {}};
    } catch (const std::exception& e) {
        refusal_ = TRefusal{column, text, ErrorText(e)};
    }
    return false;
}

QString TDBGridModel::TakeRefusalReason() {
    return refusal_ ? std::exchange(refusal_->reason, QString()) : QString();
}

void TDBGridModel::WriteCell(int column, const QString& text) {
    TDataSet* dataSet = ActiveDataSet();
    TField* field = FieldOf(column);
    if (!dataSet || !field)
        return;
    if (text == FieldText::Display(*field, field->Value()))
        return;
    if (dataSet->State() == dsBrowse)
        dataSet->Edit();
    FieldText::Write(*field, text);
}

void TDBGridModel::SubmitRecord() {
    TDataSet* dataSet = ActiveDataSet();
    if (HoldsRefusedText() || !dataSet || !IsEditState(dataSet->State()))
        return;
    Guarded(errors_, [&] {
        if (dataSet->Modified())
            dataSet->Post();
        else
            dataSet->Cancel();
    });
}

void TDBGridModel::revert() {
    refusal_.reset();
    if (TDataSet* dataSet = ActiveDataSet())
        Guarded(errors_, [&] { dataSet->Cancel(); });
}

void TDBGridModel::ActiveChanged() {
    // A closed or reopened dataset ends any refusal: the record it was about is gone.
    refusal_.reset();
    beginResetModel();
    scratch_.reset();
    TDataSet* dataSet = ActiveDataSet();
    shownRows_ = dataSet ? dataSet->RowCount() : 0;
    endResetModel();
    emit CurrentChanged();
}

void TDBGridModel::Refresh() {
    TDataSet* dataSet = ActiveDataSet();
    const int rows = dataSet ? dataSet->RowCount() : 0;
    // Rows come and go at the end; every cell is then read again.
    if (rows > shownRows_) {
        beginInsertRows({}, shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows({}, rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
    if (rows > 0 && !columns_.empty())
        emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, 0, std::max(rows - 1, 0));
    emit CurrentChanged();
}

void TDBGridModel::DataSetChanged() {
    Refresh();
}

void TDBGridModel::DataSetScrolled() {
    emit headerDataChanged(Qt::Vertical, 0, std::max(shownRows_ - 1, 0));
    emit CurrentChanged();
}

void TDBGridModel::RecordChanged(const TField*) {
    const TDataSet* dataSet = ActiveDataSet();
    const int row = dataSet ? dataSet->CurrentRow() : -1;
    if (row >= 0 && row < shownRows_ && !columns_.empty())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TDBGridModel::EditingChanged() {
    const TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || !IsEditState(dataSet->State()))
        refusal_.reset();
    emit headerDataChanged(Qt::Vertical, 0, std::max(shownRows_ - 1, 0));
    emit CurrentChanged();
}

void TDBGridModel::UpdateData() {
    if (OnUpdateData)
        OnUpdateData();
}
