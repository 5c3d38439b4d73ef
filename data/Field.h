#pragma once

#include "RecordBuffer.h"

#include <cstdint>
#include <string>

class TDataSet;

enum class TFieldType { Integer, Float, DateTime, String };

// What a dataset offers as a field when it opens: its name, type, size (characters, for text)
// and number (1-based, in the dataset's order).
struct TFieldDef {
    std::string name;
    TFieldType type = TFieldType::Float;
    int size = 0;
    int fieldNo = 0;
};

// One column of a dataset, read and written in its current record. A field is either declared
// before the dataset opens (it then survives closing) or created from the definitions at open.
class TField {
public:
    TField(std::string name, TFieldType type, int size = 0, int displayWidth = 0);
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    const std::string& FieldName() const { return name_; }
    TFieldType DataType() const { return type_; }
    int Size() const { return size_; }
    // Characters a view reserves for the value.
    int DisplayWidth() const { return displayWidth_; }
    void SetDisplayWidth(int characters) { displayWidth_ = characters; }
    // The number of the definition the field is bound to; 0 while the dataset is closed.
    int FieldNo() const { return fieldNo_; }
    TDataSet* DataSet() const { return dataSet_; }

    // --- the current record ---------------------------------------------------------------
    // A date-time field carries milliseconds here; AsFloat gives its day number.
    TFieldValue Value() const;
    bool IsNull() const;
    // Null reads as 0 and as an empty text.
    double AsFloat() const;
    // A floating-point value is rounded to the nearest integer, an exact half to the even one.
    std::int32_t AsInteger() const;
    std::string AsString() const;

    // Writes need the dataset in edit or insert state. Monostate writes "no value".
    void SetValue(const TFieldValue& value);
    void SetAsFloat(double value);
    void SetAsInteger(std::int32_t value);
    // Text is converted to the field's type; text that is no number raises EConvertError.
    void SetAsString(const std::string& text);
    void Clear() { SetValue(std::monostate{}); }

    // Conversions of one value of this field, as the current record's accessors use them.
    double ToFloat(const TFieldValue& value) const;
    std::string ToString(const TFieldValue& value) const;

private:
    friend class TDataSet;

    std::string name_;
    TFieldType type_;
    int size_;
    int displayWidth_;
    int fieldNo_ = 0;
    TDataSet* dataSet_ = nullptr;
    bool created_ = false;
};

// The text of a floating-point number in the general format with up to 15 significant digits.
std::string FormatGeneral(double value);
// Parses a whole text as a floating-point number (C locale); EConvertError otherwise.
double ParseFloat(const std::string& text);
