#include "StoreError.h"

namespace store {

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

StoreMessage::StoreMessage(const char* source, QStringList arguments, QString detail)
    : source_(source), arguments_(std::move(arguments)), detail_(std::move(detail)) {}

StoreMessage StoreMessage::Worded(QString text) {
    StoreMessage message;
    message.detail_ = std::move(text);
    return message;
}

StoreMessage StoreMessage::Because(const char* source, const StoreMessage& cause) {
    StoreMessage message(source);
    message.cause_ = std::make_shared<const StoreMessage>(cause);
    return message;
}

QString StoreMessage::Text(const QString& pattern, const QString& cause) const {
    if (!source_)
        return detail_;
    const QString text = FilledText(pattern, cause_ ? QStringList{cause} + arguments_ : arguments_);
    return detail_.isEmpty() ? text : text + QStringLiteral(": ") + detail_;
}

QString StoreMessage::Serbian() const {
    return Text(QString::fromUtf8(source_), cause_ ? cause_->Serbian() : QString());
}

StoreError::StoreError(StoreMessage message)
    : std::runtime_error(message.Serbian().toStdString()), message_(std::move(message)) {}

StoreError::StoreError(const std::string& message)
    : std::runtime_error(message), message_(StoreMessage::Worded(QString::fromStdString(message))) {
}

} // namespace store
