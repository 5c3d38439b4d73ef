#pragma once

#include "DBGridModel.h"

#include <QAbstractItemDelegate>
#include <QTableView>

class QLineEdit;
class TDBGridDelegate;

// A data grid: the records of a data source as rows under a title row, a row indicator at the
// left marking the current record (triangle: browsing, I-beam: editing, star: new record).
// The current row and the dataset's current record follow each other.
//
// Keyboard: typing in a cell starts editing the current record; Enter or leaving the row posts
// it, Escape drops it; Insert inserts a record, Down on the last row appends one, Ctrl+Delete
// deletes the current record after asking; Tab moves from cell to cell. Columns can be resized.
// The cell editors live and die as the view and its delegate decide. A value the field refuses
// closes its editor like any other; afterwards the error is shown once and, while the grid is
// on screen, a new editor reopens on the cell with the refused text. A grid that is no longer
// on screen drops the refused edit instead.
class TDBGrid : public QTableView {
    Q_OBJECT
public:
    TDBGrid(platform::ErrorDisplay& errors, platform::Questions& questions,
            QWidget* parent = nullptr);

    TDataSource* DataSource() const { return model_->DataSource(); }
    void SetDataSource(TDataSource* source);
    void SetColumns(std::vector<TDBGridColumn> columns);
    void SetTitleFont(const QFont& font);
    TDBGridModel* GridModel() const { return model_; }

    // A read-only grid shows and moves through its records but opens no editor, and inserts,
    // appends and deletes none.
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const { return readOnly_; }
    // Deletes the current record after the question "Delete record?".
    void DeleteCurrentRecord();
    // Closes the cell editor without writing it and cancels the record's edit, refused or not.
    void DropPendingEdit();
    // The cell editor that is open, if any; the delegate owns it.
    QLineEdit* OpenEditor() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    // Tab stops at the last cell and Shift+Tab at the first instead of wrapping around.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    friend class TDBGridDelegate;
    // Starts editing the current record for a cell editor that is about to open.
    bool BeginCellEdit(int column);
    // A commit was refused: the refusal is dealt with once control is back in the event loop,
    // outside the editor's own event handling.
    void RefusalPending();
    void HandleRefusal();
    // The view's current row goes to the dataset's current record.
    void FollowDataSet();
    void MoveDataSetTo(int row);
    void AppendBelowLastRow();
    void ApplyColumnWidths();
    void HandOverEditorValue();
    void CloseEditorUnsubmitted();

    platform::ErrorDisplay& errors_;
    platform::Questions& questions_;
    TDBGridModel* model_;
    TDBGridDelegate* delegate_;
    bool following_ = false;
    bool readOnly_ = false;
    bool refusalPending_ = false;
};
