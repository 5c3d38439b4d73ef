#pragma once

#include "Field.h"
#include "RecordBuffer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDataSource;

// What a dataset tells the views on its data sources.
enum class TDataEvent {
    ActiveChange,  // opened or closed
    DataSetChange, // the records changed: reload everything
    DataSetScroll, // another record became current
    RecordChange,  // a field of the current record was written
    StateChange,   // browse, edit, insert
    UpdateRecord,  // about to post: views hand over what they are still editing
};

// A table of records with one current record and an editing state. The framework keeps the
// current record in a buffer, runs navigation and the edit cycle (Edit/Insert/Append, Post,
// Cancel, Delete) and tells its data sources; a concrete dataset answers the requests below
// (open, fetch, field read and write, post, delete, bookmarks, record numbers).
//
// Between the framework's steps the concrete dataset's cursor stays on the current record.
// Failures are exceptions (EDatabaseError and the dataset's own); a failed step changes nothing
// the user could lose: a refused post leaves the record in edit.
class TDataSet {
public:
    TDataSet();
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    // After a record was posted, added or deleted: the data behind the dataset has changed.
    std::function<void(TDataSet&)> OnDataWritten;

    // --- open and close -------------------------------------------------------------------
    void Open();
    // Drops an edit in progress, then closes.
    void Close();
    bool Active() const { return state_ != dsInactive; }
    void SetActive(bool value) { value ? Open() : Close(); }
    TDataSetState State() const { return state_; }

    // --- navigation -----------------------------------------------------------------------
    // Every move first posts a changed record (or drops an unchanged one).
    void First();
    void Last();
    void Next();
    void Prior();
    // Moves up to `distance` records (negative: back); returns how far it went.
    int MoveBy(int distance);
    // Set by a move that found no record before (after) the current one, and by First (Last
    // only for Eof) on an empty table. Being on the first record does not set Bof by itself.
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const { return !hasRecord_ && state_ != dsInsert; }
    int RecordCount() const;
    // 1-based position of the current record; 0 when there is none.
    int RecNo() const;
    // Moves to record n (1-based) when it exists; other numbers are ignored.
    void SetRecNo(int n);

    // --- editing --------------------------------------------------------------------------
    // Edit on an empty table inserts instead.
    void Edit();
    // A new record before the current one / after the last one, initialised by the dataset.
    void Insert();
    void Append();
    // Posts the record being edited or inserted; nothing happens in browse state.
    void Post();
    // Drops the edit or the new record; nothing happens in browse state.
    void Cancel();
    // Deletes the current record; nothing happens on an empty table. A new record is dropped.
    void Delete();
    // Posts a changed record, drops an unchanged one.
    void CheckBrowseMode();
    bool Modified() const { return modified_; }
    // A whole record in one step, values in field order (missing ones stay as initialised).
    void InsertRecord(const std::vector<TFieldValue>& values);
    void AppendRecord(const std::vector<TFieldValue>& values);

    // --- fields ---------------------------------------------------------------------------
    // Declares a field before opening; it is bound by name to the dataset's definition.
    TField& AddField(std::string name, TFieldType type, int size = 0, int displayWidth = 0);
    TField* FindField(const std::string& name) const;
    // Raises "Field '<name>' not found".
    TField& FieldByName(const std::string& name) const;
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField& Fields(int index) const { return *fields_[static_cast<std::size_t>(index)]; }
    const std::vector<TFieldDef>& FieldDefs() const { return fieldDefs_; }

    // --- bookmarks ------------------------------------------------------------------------
    // The current record's bookmark; 0 when there is none.
    std::int32_t GetBookmark() const;
    void GotoBookmark(std::int32_t bookmark);

    // --- for views ------------------------------------------------------------------------
    // Row of the current record among the rows a view shows (with the new record while
    // inserting); -1 when there is none.
    int CurrentRow() const;
    // Row of the new record while inserting, else -1.
    int InsertRow() const { return state_ == dsInsert ? insertRow_ : -1; }
    // Rows a view shows: the records, and the new one while inserting.
    int RowCount() const { return RecordCount() + (state_ == dsInsert ? 1 : 0); }
    // A buffer for ReadRow.
    std::unique_ptr<TRecordBuffer> NewRecordBuffer() const { return AllocRecordBuffer(); }
    // The record shown in `row`: the record being edited or inserted where it shows, else
    // `scratch` filled from the dataset; null when there is none. The current record stays.
    const TRecordBuffer* ReadRow(int row, TRecordBuffer& scratch);
    // The value of `field` in a buffer given by ReadRow.
    TFieldValue FieldValue(const TField& field, const TRecordBuffer& buffer) const;
    // The value of `field` in the current record (the one being edited, if any).
    TFieldValue CurrentFieldValue(const TField& field) const;

    // Views are not told of changes until the matching EnableControls; then they reload once.
    void DisableControls() { ++disableCount_; }
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

protected:
    // --- requests the concrete dataset answers --------------------------------------------
    virtual void InternalOpen() = 0;
    virtual void InternalClose() = 0;
    virtual bool IsCursorOpen() const = 0;
    // The field definitions, asked for after InternalOpen.
    virtual std::vector<TFieldDef> InternalInitFieldDefs() = 0;
    virtual int GetRecordCount() const = 0;
    // Moves the cursor as `mode` says and fills the buffer. With `doCheck`, a failing Current
    // fetch raises instead of returning Error.
    virtual TGetResult GetRecord(TRecordBuffer& buffer, TGetMode mode, bool doCheck) = 0;
    // Fills the buffer with the record at a 0-based position and leaves the cursor where it was.
    virtual bool GetRecordAt(int position, TRecordBuffer& buffer) = 0;
    virtual void InternalFirst() = 0;
    virtual void InternalLast() = 0;
    virtual TFieldValue GetFieldData(const TField& field, const TRecordBuffer& buffer) const = 0;
    virtual void SetFieldData(const TField& field, TRecordBuffer& buffer,
                              const TFieldValue& value) = 0;
    virtual std::unique_ptr<TRecordBuffer> AllocRecordBuffer() const = 0;
    virtual void InternalInitRecord(TRecordBuffer& buffer) = 0;
    // Writes ActiveBuffer() as State() says (edit: the current record; insert: a new one) and
    // leaves the cursor on the written record.
    virtual void InternalPost() = 0;
    virtual void InternalAddRecord(const TRecordBuffer& buffer, bool append) = 0;
    virtual void InternalDelete() = 0;
    virtual void InternalGotoBookmark(std::int32_t bookmark) = 0;
    virtual void InternalSetToRecord(const TRecordBuffer& buffer) = 0;
    virtual int GetRecNo() const = 0;
    // Positions the cursor for record n; false when n is out of range.
    virtual bool InternalSetRecNo(int n) = 0;
    virtual void InternalEdit() {}
    virtual void InternalInsert() {}
    virtual void InternalCancel() {}

    TRecordBuffer& ActiveBuffer() { return *active_; }
    const TRecordBuffer& ActiveBuffer() const { return *active_; }
    // True while the active buffer holds a record (fetched, or new while inserting).
    bool HasCurrentRecord() const { return hasRecord_ || state_ == dsInsert; }

    // Fetches the record under the cursor again after the records changed underneath.
    void Resync();
    void Notify(TDataEvent event, const TField* field = nullptr);

private:
    friend class TDataSource;
    friend class TField;

    void CheckActive() const;
    void BindFields();
    void DropCreatedFields();
    void WriteField(const TField& field, const TFieldValue& value);
    void StartInsert(bool append);
    void FinishEdit();
    void DataWritten();
    void AddRecord(const std::vector<TFieldValue>& values, bool append);

    TDataSetState state_ = dsInactive;
    std::unique_ptr<TRecordBuffer> active_;
    std::vector<std::unique_ptr<TField>> fields_;
    std::vector<TFieldDef> fieldDefs_;
    std::vector<TDataSource*> dataSources_;
    int insertRow_ = -1;
    int disableCount_ = 0;
    bool hasRecord_ = false;
    bool bof_ = true;
    bool eof_ = true;
    bool modified_ = false;
    bool changedWhileDisabled_ = false;
};
