#include "DBGrid.h"

#include "DataErrors.h"
#include "Guarded.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

// Cell editors: a line edit aligned like its column; opening one starts the edit. The delegate
// knows the one editor that is open, so that the grid can hand its text over before a post.
class TDBGridDelegate : public QStyledItemDelegate {
public:
    explicit TDBGridDelegate(TDBGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QLineEdit* OpenEditor() const { return editor_; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        if (!grid_->BeginCellEdit(index.column()))
            return nullptr;
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAlignment(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
        editor_ = editor;
        return editor;
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        if (editor == editor_)
            editor_ = nullptr;
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    // An editor reopened on a refused text shows that text again.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const TDBGridModel* model = grid_->GridModel();
        if (model->HoldsRefusedText() && index.column() == model->RefusedColumn())
            static_cast<QLineEdit*>(editor)->setText(model->RefusedText());
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        if (!grid_->GridModel()->CommitCell(index.column(),
                                            static_cast<QLineEdit*>(editor)->text()))
            grid_->RefusalPending();
    }

protected:
    // Enter hands the text over and closes the editor at once, so that the post which follows
    // sees the value; the base would do both later from the event queue.
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TDBGrid* grid_;
    mutable QPointer<QLineEdit> editor_;
};

TDBGrid::TDBGrid(platform::ErrorDisplay& errors, platform::Questions& questions, QWidget* parent)
    : QTableView(parent), errors_(errors), questions_(questions),
      model_(new TDBGridModel(errors, this)), delegate_(new TDBGridDelegate(this)) {
    setModel(model_);
    setItemDelegate(delegate_);
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
    // A post, cancel or move from elsewhere ends the cell edit; whatever the editor held was
    // handed over before a post.
    if (QLineEdit* editor = OpenEditor();
        editor && (!IsEditState(dataSet->State()) || dataSet->CurrentRow() != currentIndex().row()))
        CloseEditorUnsubmitted();
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
        // The refused text waits on the dataset's row.
        FollowDataSet();
        RefusalPending();
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

void TDBGrid::SetReadOnly(bool readOnly) {
    if (readOnly)
        DropPendingEdit();
    readOnly_ = readOnly;
}

bool TDBGrid::BeginCellEdit(int column) {
    if (readOnly_)
        return false;
    TDataSet* dataSet = model_->ActiveDataSet();
    if (!dataSet || !model_->FieldOf(column))
        return false;
    return Guarded(errors_, [&] { dataSet->Edit(); });
}

QLineEdit* TDBGrid::OpenEditor() const {
    return state() == QAbstractItemView::EditingState ? delegate_->OpenEditor() : nullptr;
}

void TDBGrid::HandOverEditorValue() {
    if (QLineEdit* editor = OpenEditor())
        commitData(editor);
    // A refused text stops the post even when its editor has closed: a click outside the
    // grid commits the editor as the focus leaves it, before the click's action posts.
    if (model_->HoldsRefusedText())
        throw EAbort();
}

void TDBGrid::CloseEditorUnsubmitted() {
    if (QLineEdit* editor = OpenEditor())
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TDBGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Posting is the grid's business, not the model's submit; a refused text moves nowhere.
    const bool refused = model_->HoldsRefusedText();
    const bool revert = hint == QAbstractItemDelegate::RevertModelCache;
    const bool submit = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableView::closeEditor(editor,
                            revert || (!refused && !submit) ? hint : QAbstractItemDelegate::NoHint);
    if (submit)
        model_->SubmitRecord();
}

void TDBGrid::RefusalPending() {
    if (refusalPending_)
        return;
    refusalPending_ = true;
    QMetaObject::invokeMethod(this, &TDBGrid::HandleRefusal, Qt::QueuedConnection);
}

void TDBGrid::HandleRefusal() {
    refusalPending_ = false;
    if (!model_->HoldsRefusedText())
        return;
    const QString reason = model_->TakeRefusalReason();
    if (!reason.isEmpty() && isVisible())
        errors_.Show(reason);
    // The box ran events of its own: look again.
    TDataSet* dataSet = model_->ActiveDataSet();
    if (!model_->HoldsRefusedText() || !dataSet)
        return;
    if (!isVisible()) {
        DropPendingEdit();
        return;
    }
    // The refused text goes back into an editor on its cell, for the user to correct.
    const QModelIndex cell = model_->index(dataSet->CurrentRow(), model_->RefusedColumn());
    if (!cell.isValid())
        return;
    QLineEdit* editor = OpenEditor();
    if (!editor || currentIndex() != cell) {
        CloseEditorUnsubmitted();
        setCurrentIndex(cell);
        edit(cell);
        editor = OpenEditor();
    }
    if (editor) {
        editor->setFocus();
        editor->selectAll();
    }
}

void TDBGrid::DropPendingEdit() {
    model_->ForgetRefusedText();
    CloseEditorUnsubmitted();
    if (TDataSet* dataSet = model_->ActiveDataSet())
        Guarded(errors_, [&] { dataSet->Cancel(); });
}

void TDBGrid::hideEvent(QHideEvent* event) {
    QTableView::hideEvent(event);
    // A refused text is not left waiting in a table that is off screen.
    if (model_->HoldsRefusedText())
        RefusalPending();
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
    if (!dataSet || dataSet->IsEmpty() || readOnly_)
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
    if (dataSet && !readOnly_) {
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
            // Enter in a cell editor never gets here: the delegate takes it.
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
