#include "DataSet.h"

#include "DataErrors.h"
#include "DataSource.h"

#include <algorithm>

TDataSet::TDataSet() = default;

TDataSet::~TDataSet() {
    // The concrete dataset has closed itself; its views now see no dataset.
    const auto sources = dataSources_;
    for (TDataSource* source : sources) {
        source->dataSet_ = nullptr;
        source->Notify(TDataEvent::ActiveChange, nullptr);
    }
}

void TDataSet::CheckActive() const {
    if (!Active())
        throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

// --- open and close -------------------------------------------------------------------------

void TDataSet::Open() {
    if (Active())
        return;
    InternalOpen();
    try {
        fieldDefs_ = InternalInitFieldDefs();
        BindFields();
        active_ = AllocRecordBuffer();
    } catch (...) {
        InternalClose();
        DropCreatedFields();
        throw;
    }
    state_ = dsBrowse;
    modified_ = false;
    InternalFirst();
    hasRecord_ = GetRecord(*active_, TGetMode::Next, false) == TGetResult::OK;
    bof_ = true;
    eof_ = !hasRecord_;
    Notify(TDataEvent::ActiveChange);
}

void TDataSet::Close() {
    if (!Active())
        return;
    if (IsEditState(state_))
        InternalCancel();
    InternalClose();
    state_ = dsInactive;
    hasRecord_ = false;
    bof_ = eof_ = true;
    modified_ = false;
    insertRow_ = -1;
    active_.reset();
    DropCreatedFields();
    Notify(TDataEvent::ActiveChange);
}

void TDataSet::BindFields() {
    const bool declared = std::any_of(fields_.begin(), fields_.end(),
                                      [](const auto& field) { return !field->created_; });
    if (!declared) {
        for (const TFieldDef& def : fieldDefs_) {
            auto field = std::make_unique<TField>(def.name, def.type, def.size);
            field->created_ = true;
            field->dataSet_ = this;
            field->fieldNo_ = def.fieldNo;
            fields_.push_back(std::move(field));
        }
        return;
    }
    for (const auto& field : fields_) {
        const auto def = std::find_if(fieldDefs_.begin(), fieldDefs_.end(),
                                      [&](const TFieldDef& d) { return d.name == field->name_; });
        if (def == fieldDefs_.end())
            throw EDatabaseError("Field '" + field->name_ + "' not found");
        const bool numeric = def->type != TFieldType::String;
        if ((field->type_ == TFieldType::String) == numeric)
            throw EDatabaseError("Type mismatch for field '" + field->name_ + "'");
        field->fieldNo_ = def->fieldNo;
    }
}

void TDataSet::DropCreatedFields() {
    std::erase_if(fields_, [](const auto& field) { return field->created_; });
    for (const auto& field : fields_)
        field->fieldNo_ = 0;
    fieldDefs_.clear();
}

// --- navigation -----------------------------------------------------------------------------

int TDataSet::RecordCount() const {
    return Active() ? GetRecordCount() : 0;
}

int TDataSet::RecNo() const {
    if (!Active())
        return 0;
    if (state_ == dsInsert)
        return insertRow_ + 1;
    return hasRecord_ ? GetRecNo() : 0;
}

void TDataSet::SetRecNo(int n) {
    CheckActive();
    CheckBrowseMode();
    if (!InternalSetRecNo(n))
        return;
    Resync();
    Notify(TDataEvent::DataSetScroll);
}

void TDataSet::First() {
    CheckActive();
    CheckBrowseMode();
    InternalFirst();
    hasRecord_ = GetRecord(*active_, TGetMode::Next, false) == TGetResult::OK;
    bof_ = true;
    eof_ = !hasRecord_;
    Notify(TDataEvent::DataSetScroll);
}

void TDataSet::Last() {
    CheckActive();
    CheckBrowseMode();
    InternalLast();
    hasRecord_ = GetRecord(*active_, TGetMode::Prior, false) == TGetResult::OK;
    eof_ = true;
    bof_ = !hasRecord_;
    Notify(TDataEvent::DataSetScroll);
}

// At either end too: like every move, they first post or drop the record being edited.
void TDataSet::Next() {
    MoveBy(1);
}

void TDataSet::Prior() {
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance) {
    CheckActive();
    CheckBrowseMode();
    if (!hasRecord_) {
        eof_ = eof_ || distance > 0;
        bof_ = bof_ || distance < 0;
        return 0;
    }
    int moved = 0;
    for (; distance > 0; --distance, ++moved) {
        if (GetRecord(*active_, TGetMode::Next, false) != TGetResult::OK) {
            eof_ = true;
            break;
        }
        bof_ = eof_ = false;
    }
    for (; distance < 0; ++distance, --moved) {
        if (GetRecord(*active_, TGetMode::Prior, false) != TGetResult::OK) {
            bof_ = true;
            break;
        }
        bof_ = eof_ = false;
    }
    if (moved != 0)
        Notify(TDataEvent::DataSetScroll);
    return moved;
}

void TDataSet::Resync() {
    // The cursor's record, else the one after it, else the one before it.
    hasRecord_ = GetRecord(*active_, TGetMode::Current, false) == TGetResult::OK ||
                 GetRecord(*active_, TGetMode::Next, false) == TGetResult::OK ||
                 GetRecord(*active_, TGetMode::Prior, false) == TGetResult::OK;
    bof_ = eof_ = !hasRecord_;
}

// --- editing --------------------------------------------------------------------------------

void TDataSet::Edit() {
    CheckActive();
    if (IsEditState(state_))
        return;
    if (!hasRecord_) {
        Insert();
        return;
    }
    // A fresh copy: the record may have changed since it was fetched.
    GetRecord(*active_, TGetMode::Current, true);
    InternalEdit();
    state_ = dsEdit;
    modified_ = false;
    Notify(TDataEvent::StateChange);
}

void TDataSet::Insert() {
    StartInsert(false);
}

void TDataSet::Append() {
    StartInsert(true);
}

void TDataSet::StartInsert(bool append) {
    CheckActive();
    CheckBrowseMode();
    auto buffer = AllocRecordBuffer();
    InternalInitRecord(*buffer);
    buffer->bookmarkFlag = append ? TBookmarkFlag::Eof : TBookmarkFlag::Inserted;
    if (append) {
        insertRow_ = RecordCount();
        InternalLast();
    } else {
        insertRow_ = hasRecord_ ? GetRecNo() - 1 : 0;
    }
    InternalInsert();
    active_ = std::move(buffer);
    state_ = dsInsert;
    modified_ = false;
    bof_ = eof_ = false;
    Notify(TDataEvent::DataSetChange);
    Notify(TDataEvent::StateChange);
}

void TDataSet::Post() {
    CheckActive();
    if (!IsEditState(state_))
        return;
    Notify(TDataEvent::UpdateRecord);
    if (!IsEditState(state_))
        return;
    InternalPost();
    FinishEdit();
    DataWritten();
}

void TDataSet::Cancel() {
    if (!IsEditState(state_))
        return;
    InternalCancel();
    FinishEdit();
}

void TDataSet::FinishEdit() {
    state_ = dsBrowse;
    modified_ = false;
    insertRow_ = -1;
    Resync();
    Notify(TDataEvent::DataSetChange);
    Notify(TDataEvent::StateChange);
}

void TDataSet::Delete() {
    CheckActive();
    if (state_ == dsInsert) {
        Cancel();
        return;
    }
    if (!hasRecord_)
        return;
    InternalDelete();
    if (state_ == dsEdit) {
        // The record being edited is gone, and its changes with it.
        InternalCancel();
        state_ = dsBrowse;
        modified_ = false;
        Notify(TDataEvent::StateChange);
    }
    Resync();
    Notify(TDataEvent::DataSetChange);
    DataWritten();
}

void TDataSet::DataWritten() {
    if (OnDataWritten)
        OnDataWritten(*this);
}

void TDataSet::CheckBrowseMode() {
    if (!IsEditState(state_))
        return;
    Notify(TDataEvent::UpdateRecord);
    if (modified_)
        Post();
    else
        Cancel();
}

void TDataSet::InsertRecord(const std::vector<TFieldValue>& values) {
    AddRecord(values, false);
}

void TDataSet::AppendRecord(const std::vector<TFieldValue>& values) {
    AddRecord(values, true);
}

void TDataSet::AddRecord(const std::vector<TFieldValue>& values, bool append) {
    CheckActive();
    CheckBrowseMode();
    auto buffer = AllocRecordBuffer();
    InternalInitRecord(*buffer);
    const std::size_t n = std::min(values.size(), fields_.size());
    for (std::size_t i = 0; i < n; ++i)
        if (!std::holds_alternative<std::monostate>(values[i]))
            SetFieldData(*fields_[i], *buffer, values[i]);
    InternalAddRecord(*buffer, append);
    Resync();
    Notify(TDataEvent::DataSetChange);
    DataWritten();
}

void TDataSet::WriteField(const TField& field, const TFieldValue& value) {
    if (!IsEditState(state_))
        throw EDatabaseError("Dataset not in edit or insert mode");
    if (field.fieldNo_ == 0)
        throw EDatabaseError("Field '" + field.name_ + "' is not bound to the dataset");
    SetFieldData(field, *active_, value);
    modified_ = true;
    Notify(TDataEvent::RecordChange, &field);
}

// --- fields ---------------------------------------------------------------------------------

TField& TDataSet::AddField(std::string name, TFieldType type, int size, int displayWidth) {
    if (Active())
        throw EDatabaseError("Cannot declare a field of an open dataset");
    auto field = std::make_unique<TField>(std::move(name), type, size, displayWidth);
    field->dataSet_ = this;
    fields_.push_back(std::move(field));
    return *fields_.back();
}

TField* TDataSet::FindField(const std::string& name) const {
    for (const auto& field : fields_)
        if (field->name_ == name)
            return field.get();
    return nullptr;
}

TField& TDataSet::FieldByName(const std::string& name) const {
    if (TField* field = FindField(name))
        return *field;
    throw EDatabaseError("Field '" + name + "' not found");
}

// --- bookmarks ------------------------------------------------------------------------------

std::int32_t TDataSet::GetBookmark() const {
    return Active() && HasCurrentRecord() ? active_->bookmark : 0;
}

void TDataSet::GotoBookmark(std::int32_t bookmark) {
    CheckActive();
    CheckBrowseMode();
    InternalGotoBookmark(bookmark);
    Resync();
    Notify(TDataEvent::DataSetScroll);
}

// --- for views ------------------------------------------------------------------------------

int TDataSet::CurrentRow() const {
    if (state_ == dsInsert)
        return insertRow_;
    return Active() && hasRecord_ ? GetRecNo() - 1 : -1;
}

const TRecordBuffer* TDataSet::ReadRow(int row, TRecordBuffer& scratch) {
    if (!Active() || row < 0)
        return nullptr;
    int position = row;
    if (state_ == dsInsert) {
        if (row == insertRow_)
            return active_.get();
        if (row > insertRow_)
            --position;
    } else if (state_ == dsEdit && row == CurrentRow()) {
        return active_.get();
    }
    return GetRecordAt(position, scratch) ? &scratch : nullptr;
}

TFieldValue TDataSet::FieldValue(const TField& field, const TRecordBuffer& buffer) const {
    if (!Active() || field.fieldNo_ == 0)
        return {};
    return GetFieldData(field, buffer);
}

TFieldValue TDataSet::CurrentFieldValue(const TField& field) const {
    if (!Active() || field.fieldNo_ == 0 || !HasCurrentRecord())
        return {};
    return GetFieldData(field, *active_);
}

void TDataSet::EnableControls() {
    if (disableCount_ == 0 || --disableCount_ > 0)
        return;
    if (changedWhileDisabled_) {
        changedWhileDisabled_ = false;
        Notify(TDataEvent::DataSetChange);
    }
}

void TDataSet::Notify(TDataEvent event, const TField* field) {
    if (disableCount_ > 0 && event != TDataEvent::UpdateRecord) {
        changedWhileDisabled_ = true;
        return;
    }
    const auto sources = dataSources_;
    for (TDataSource* source : sources)
        if (std::find(dataSources_.begin(), dataSources_.end(), source) != dataSources_.end())
            source->Notify(event, field);
}
