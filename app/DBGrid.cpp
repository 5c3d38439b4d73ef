#include "DBGrid.h"

#include "DataErrors.h"
#include "Guarded.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

// Cell editors: a line edit aligned like its column; opening one starts the edit.
class TDBGridDelegate : public QStyledItemDelegate {
public:
    explicit TDBGridDelegate(TDBGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAlignment(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
        if (!grid_->BeginCellEdit(editor, index.column())) {
            delete editor;
            return nullptr;
        }
        return editor;
    }

private:
    TDBGrid* grid_;
};

TDBGrid::TDBGrid(platform::ErrorDisplay& errors, platform::Questions& questions, QWidget* parent)
    : QTableView(parent), errors_(errors), questions_(questions),
      model_(new TDBGridModel(errors, this)) {
    setModel(model_);
    setItemDelegate(new TDBGridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(11);
    SetTitleFont(font());

    connect(model_, &TDBGridModel::CurrentChanged, this, [this] { FollowDataSet(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { ApplyColumnWidths(); });
    model_->OnUpdateData = [this] { HandOverEditorValue(); };
}

void TDBGrid::SetDataSource(TDataSource* source) {
    model_->SetDataSource(source);
}

void TDBGrid::SetColumns(std::vector<TDBGridColumn> columns) {
    model_->SetColumns(std::move(columns));
    ApplyColumnWidths();
    FollowDataSet();
}

void TDBGrid::SetTitleFont(const QFont& titleFont) {
    horizontalHeader()->setFont(titleFont);
    const int rowHeight = fontMetrics().height() + 4;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(QFontMetrics(titleFont).height() + 5);
}

void TDBGrid::ApplyColumnWidths() {
    const auto& columns = model_->Columns();
    const TDataSet* dataSet = model_->DataSet();
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics titles(horizontalHeader()->font());
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const auto& column = columns[static_cast<std::size_t>(i)];
        int width = column.width;
        if (width <= 0) {
            // As wide as the field's display width in digits, at least as wide as the title.
            const TField* field =
                dataSet ? dataSet->FindField(column.fieldName.toStdString()) : nullptr;
            const int digits = field ? field->DisplayWidth() : 10;
            width = std::max(digits * cells.horizontalAdvance(u'0') + 4,
                             titles.horizontalAdvance(column.title) + 4);
        }
        setColumnWidth(i, width);
    }
}

// --- the current row ----------------------------------------------------------------------------

void TDBGrid::FollowDataSet() {
    verticalHeader()->viewport()->update();
    TDataSet* dataSet = model_->ActiveDataSet();
    if (following_ || !dataSet)
        return;
    // A post or cancel from elsewhere ends the cell edit without handing anything over.
    if (editor_ && state() == QAbstractItemView::EditingState && !IsEditState(dataSet->State()))
        QTableView::closeEditor(editor_, QAbstractItemDelegate::NoHint);
    const int row = dataSet->CurrentRow();
    if (row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == row)
        return;
    following_ = true;
    const QModelIndex target = model_->index(row, current.isValid() ? current.column() : 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target);
    following_ = false;
}

void TDBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The base commits and closes an editor left on the previous cell.
    QTableView::currentChanged(current, previous);
    verticalHeader()->viewport()->update();
    if (following_ || !current.isValid())
        return;
    TDataSet* dataSet = model_->ActiveDataSet();
    if (!dataSet)
        return;
    if (model_->HoldsRefusedText()) {
        // The refused text waits in its editor on the dataset's row.
        FollowDataSet();
        return;
    }
    if (current.row() != dataSet->CurrentRow())
        MoveDataSetTo(current.row());
}

void TDBGrid::MoveDataSetTo(int row) {
    TDataSet* dataSet = model_->ActiveDataSet();
    Guarded(errors_, [&] {
        // Rows below a new record are one further down than their record numbers.
        const int record =
            dataSet->State() == dsInsert && row > dataSet->InsertRow() ? row - 1 : row;
        dataSet->CheckBrowseMode();
        dataSet->SetRecNo(std::min(record, dataSet->RecordCount() - 1) + 1);
    });
    FollowDataSet();
}

// --- editing ------------------------------------------------------------------------------------

bool TDBGrid::BeginCellEdit(QLineEdit* editor, int column) {
    TDataSet* dataSet = model_->ActiveDataSet();
    if (!dataSet || !model_->FieldOf(column))
        return false;
    if (!Guarded(errors_, [&] { dataSet->Edit(); }))
        return false;
    editor_ = editor;
    editorColumn_ = column;
    return true;
}

void TDBGrid::HandOverEditorValue() {
    if (editor_ && state() == QAbstractItemView::EditingState &&
        !model_->CommitCell(editorColumn_, editor_->text()))
        throw EAbort();
}

void TDBGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter is handled at once below; the delegate's own late request finds the editor gone.
    if (!editor || editor != editor_.data())
        return;
    if (hint == QAbstractItemDelegate::RevertModelCache) {
        model_->ForgetRefusedText();
    } else if (model_->HoldsRefusedText()) {
        editor->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->selectAll();
        return;
    }
    editor_ = nullptr;
    const bool submit = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableView::closeEditor(editor, submit ? QAbstractItemDelegate::NoHint : hint);
    if (submit)
        model_->SubmitRecord();
}

QModelIndex TDBGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    const int lastRow = model_->rowCount() - 1;
    const int lastColumn = model_->columnCount() - 1;
    if (current.isValid() &&
        ((action == MoveNext && current.row() == lastRow && current.column() == lastColumn) ||
         (action == MovePrevious && current.row() == 0 && current.column() == 0)))
        return current;
    return QTableView::moveCursor(action, modifiers);
}

void TDBGrid::DeleteCurrentRecord() {
    TDataSet* dataSet = model_->ActiveDataSet();
    if (!dataSet || dataSet->IsEmpty())
        return;
    if (!questions_.Confirm({QStringLiteral("Delete record?")}))
        return;
    Guarded(errors_, [&] { dataSet->Delete(); });
}

void TDBGrid::AppendBelowLastRow() {
    TDataSet* dataSet = model_->ActiveDataSet();
    Guarded(errors_, [&] {
        // A new record nobody has typed into is not followed by another one.
        if (dataSet->State() == dsInsert && !dataSet->Modified())
            return;
        dataSet->Append();
    });
}

void TDBGrid::keyPressEvent(QKeyEvent* event) {
    TDataSet* dataSet = model_->ActiveDataSet();
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (dataSet) {
        switch (event->key()) {
        case Qt::Key_Insert:
            if (modifiers == Qt::NoModifier) {
                Guarded(errors_, [&] { dataSet->Insert(); });
                return;
            }
            break;
        case Qt::Key_Delete:
            if (modifiers == Qt::ControlModifier) {
                DeleteCurrentRecord();
                return;
            }
            break;
        case Qt::Key_Escape:
            if (IsEditState(dataSet->State())) {
                Guarded(errors_, [&] { dataSet->Cancel(); });
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (editor_ && state() == QAbstractItemView::EditingState) {
                // From the cell editor: hand its text over and post at once.
                QWidget* editor = editor_;
                commitData(editor);
                closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
                return;
            }
            if (IsEditState(dataSet->State())) {
                Guarded(errors_, [&] { dataSet->Post(); });
                return;
            }
            break;
        case Qt::Key_Down:
            if (modifiers == Qt::NoModifier &&
                (model_->rowCount() == 0 || currentIndex().row() == model_->rowCount() - 1)) {
                AppendBelowLastRow();
                return;
            }
            break;
        default:
            break;
        }
    }
    QTableView::keyPressEvent(event);
}
