#pragma once

#include <cstdint>
#include <string>
#include <variant>

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// A record is being edited or inserted: field writes are allowed and Post or Cancel ends it.
inline constexpr bool IsEditState(TDataSetState state) {
    return state == dsEdit || state == dsInsert;
}

// Which record a fetch asks for, relative to the dataset's cursor.
enum class TGetMode { Next, Prior, Current };
enum class TGetResult { OK, Bof, Eof, Error };

// Where a buffered record came from: a fetched record, or a new one before, after or among them.
enum class TBookmarkFlag { Current, Bof, Eof, Inserted };

// A field's value as the framework carries it; monostate is "no value" (null).
using TFieldValue = std::variant<std::monostate, std::int32_t, double, std::string>;

// One record as a dataset hands it to the framework. Datasets derive their own layout from it;
// the framework only keeps the bookmark and its flag.
struct TRecordBuffer {
    virtual ~TRecordBuffer() = default;
    std::int32_t bookmark = 0;
    TBookmarkFlag bookmarkFlag = TBookmarkFlag::Current;
};
