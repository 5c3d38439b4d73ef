#include "StoreError.h"

namespace store {

namespace {

QString Composed(const QString& pattern, const QStringList& arguments, const QString& detail) {
    const QString text = FilledText(pattern, arguments);
    return detail.isEmpty() ? text : text + QStringLiteral(": ") + detail;
}

} // namespace

QString FilledText(const QString& pattern, const QStringList& arguments) {
    QString text;
    text.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            const int n = pattern[i + 1].digitValue();
            if (n >= 1 && n <= arguments.size()) {
                text += arguments[n - 1];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

StoreError::StoreError(const char* source, QStringList arguments, QString detail)
    : std::runtime_error(Composed(QString::fromUtf8(source), arguments, detail).toStdString()),
      source_(source), arguments_(std::move(arguments)), detail_(std::move(detail)) {}

QString StoreError::Text(const QString& pattern) const {
    return Composed(pattern, arguments_, detail_);
}

} // namespace store
