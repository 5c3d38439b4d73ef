#pragma once

#include "Field.h"

#include <QString>

// Field values as the user reads and types them: numbers in the locale's general format (up to
// 15 significant digits, the locale's decimal separator, no grouping).
namespace FieldText {

QString Display(const TField& field, const TFieldValue& value);

// Writes typed text into the field of the current record. Empty text clears the field (which
// the dataset may refuse); text that is no number of the field's kind raises EConvertError.
void Write(TField& field, const QString& text);

} // namespace FieldText
