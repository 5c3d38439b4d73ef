#pragma once

#include <QStringList>
#include <memory>
#include <stdexcept>
#include <string>

namespace store {

// `pattern` with its %1, %2 … replaced by `arguments`, in one pass: an argument that holds a
// "%2" keeps it.
QString FilledText(const QString& pattern, const QStringList& arguments);

// A message of the store for the user. The store's own texts are Serbian, marked for
// translation in the "Store" context, with their values kept apart, so that the window shows
// them in its language. A detail, such as the database's own words, follows the text after a
// colon as it is; a cause, another message, is the text's %1 and its arguments follow from %2.
// A message without a source is worded already, and is its detail alone.
class StoreMessage {
public:
    // No message: all is well.
    StoreMessage() = default;
    explicit StoreMessage(const char* source, QStringList arguments = {}, QString detail = {});
    static StoreMessage Worded(QString text);
    // `source` with `cause` as its %1.
    static StoreMessage Because(const char* source, const StoreMessage& cause);

    bool IsEmpty() const { return !source_ && detail_.isEmpty(); }
    const char* Source() const { return source_; }
    const QStringList& Arguments() const { return arguments_; }
    const StoreMessage* Cause() const { return cause_.get(); }
    // The text with `pattern`, the source or its translation, for the source and `cause` for
    // the cause's text.
    QString Text(const QString& pattern, const QString& cause = {}) const;
    // The text as the store wrote it.
    QString Serbian() const;

    bool operator==(const StoreMessage& other) const { return Serbian() == other.Serbian(); }

private:
    const char* source_ = nullptr;
    QStringList arguments_;
    QString detail_;
    std::shared_ptr<const StoreMessage> cause_;
};

// The store cannot do what was asked; what() is its message in Serbian.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const char* source, QStringList arguments = {}, QString detail = {})
        : StoreError(StoreMessage(source, std::move(arguments), std::move(detail))) {}
    explicit StoreError(StoreMessage message);
    // A message already worded, such as one the window wrote in its own language.
    explicit StoreError(const std::string& message);

    const StoreMessage& Message() const { return message_; }

private:
    StoreMessage message_;
};

} // namespace store
