#include "FieldText.h"

#include "DataErrors.h"
#include "ShownText.h"

#include <QLocale>
#include <cmath>

namespace {

QLocale Strict() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

[[noreturn]] void Refuse(const QString& text, const char* kind) {
    throw EConvertError("'" + ShownText(text.toStdString()) + "' is not a valid " + kind +
                        " value");
}

} // namespace

QString FieldText::Display(const TField& field, const TFieldValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return {};
    if (const auto* text = std::get_if<std::string>(&value))
        return QString::fromStdString(*text);
    if (const auto* integer = std::get_if<std::int32_t>(&value))
        return Strict().toString(*integer);
    return Strict().toString(field.ToFloat(value), 'g', 15);
}

void FieldText::Write(TField& field, const QString& text) {
    const QString trimmed = text.trimmed();
    if (field.DataType() == TFieldType::String) {
        field.SetAsString(text.toStdString());
        return;
    }
    if (trimmed.isEmpty()) {
        field.Clear();
        return;
    }
    bool ok = false;
    if (field.DataType() == TFieldType::Integer) {
        const int value = Strict().toInt(trimmed, &ok);
        if (!ok)
            Refuse(text, "integer");
        field.SetAsInteger(value);
        return;
    }
    const double value = Strict().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        Refuse(text, "floating point");
    field.SetAsFloat(value);
}
