#include "Field.h"

#include "DataErrors.h"
#include "DataSet.h"
#include "DateTimeStamp.h"
#include "ShownText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

int DefaultDisplayWidth(TFieldType type, int size) {
    switch (type) {
    case TFieldType::Integer:
        return 11;
    case TFieldType::Float:
        return 10;
    case TFieldType::DateTime:
        return 18;
    case TFieldType::String:
        return size;
    }
    return 10;
}

} // namespace

std::string FormatGeneral(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

double ParseFloat(const std::string& text) {
    // Blanks around the number are allowed, anything else in the text is not.
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first != std::string::npos) {
        const char* begin = text.data() + first;
        const char* end = text.data() + last + 1;
        if (*begin == '+')
            ++begin;
        double value = 0;
        const auto [ptr, ec] = std::from_chars(begin, end, value);
        if (ec == std::errc() && ptr == end && std::isfinite(value))
            return value;
    }
    throw EConvertError("'" + ShownText(text) + "' is not a valid floating point value");
}

TField::TField(std::string name, TFieldType type, int size, int displayWidth)
    : name_(std::move(name)), type_(type), size_(size),
      displayWidth_(displayWidth > 0 ? displayWidth : DefaultDisplayWidth(type, size)) {}

TFieldValue TField::Value() const {
    return dataSet_ ? dataSet_->CurrentFieldValue(*this) : TFieldValue{};
}

bool TField::IsNull() const {
    return std::holds_alternative<std::monostate>(Value());
}

double TField::ToFloat(const TFieldValue& value) const {
    if (const auto* d = std::get_if<double>(&value))
        return type_ == TFieldType::DateTime ? DateTimeStamp::MillisecondsToDays(*d) : *d;
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return *i;
    if (const auto* s = std::get_if<std::string>(&value))
        return s->empty() ? 0 : ParseFloat(*s);
    return 0;
}

std::string TField::ToString(const TFieldValue& value) const {
    if (const auto* s = std::get_if<std::string>(&value))
        return *s;
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return std::to_string(*i);
    if (std::holds_alternative<double>(value))
        return FormatGeneral(ToFloat(value));
    return {};
}

double TField::AsFloat() const {
    return ToFloat(Value());
}

std::int32_t TField::AsInteger() const {
    const TFieldValue value = Value();
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return *i;
    // nearbyint rounds an exact half to the even neighbour in the default rounding mode.
    return static_cast<std::int32_t>(std::nearbyint(ToFloat(value)));
}

std::string TField::AsString() const {
    return ToString(Value());
}

void TField::SetValue(const TFieldValue& value) {
    if (!dataSet_)
        throw EDatabaseError("Field '" + name_ + "' has no dataset");
    dataSet_->WriteField(*this, value);
}

void TField::SetAsFloat(double value) {
    switch (type_) {
    case TFieldType::Integer:
        SetValue(static_cast<std::int32_t>(std::nearbyint(value)));
        break;
    case TFieldType::DateTime:
        SetValue(DateTimeStamp::DaysToMilliseconds(value));
        break;
    case TFieldType::Float:
        SetValue(value);
        break;
    case TFieldType::String:
        SetValue(FormatGeneral(value));
        break;
    }
}

void TField::SetAsInteger(std::int32_t value) {
    if (type_ == TFieldType::Integer)
        SetValue(value);
    else
        SetAsFloat(value);
}

void TField::SetAsString(const std::string& text) {
    if (type_ == TFieldType::String) {
        SetValue(text);
        return;
    }
    // An empty text clears a number; the dataset decides whether that is allowed.
    if (text.find_first_not_of(" \t") == std::string::npos) {
        Clear();
        return;
    }
    if (type_ == TFieldType::Integer) {
        std::int32_t value = 0;
        const char* begin = text.data() + text.find_first_not_of(" \t");
        const char* end = text.data() + text.find_last_not_of(" \t") + 1;
        if (*begin == '+')
            ++begin;
        const auto [ptr, ec] = std::from_chars(begin, end, value);
        if (ec != std::errc() || ptr != end)
            throw EConvertError("'" + ShownText(text) + "' is not a valid integer value");
        SetValue(value);
        return;
    }
    SetAsFloat(ParseFloat(text));
}
