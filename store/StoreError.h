#pragma once

#include <QStringList>
#include <stdexcept>
#include <string>

namespace store {

// `pattern` with its %1, %2 … replaced by `arguments`, in one pass: an argument that holds a
// "%2" keeps it.
QString FilledText(const QString& pattern, const QStringList& arguments);

// The store cannot do what was asked. Its own messages are Serbian texts marked for
// translation in the "Store" context, with their values kept apart, so that the window
// shows them in its language; what() is the Serbian text filled in. A detail, such as the
// database's own words, follows the text after a colon as it is.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const char* source, QStringList arguments = {}, QString detail = {});
    // A message already worded, such as one the window wrote in its own language.
    explicit StoreError(const std::string& message) : std::runtime_error(message) {}

    // The marked text, or nullptr for a worded message.
    const char* Source() const { return source_; }
    const QStringList& Arguments() const { return arguments_; }
    // The message with `pattern`, the source text or its translation, in place of the source.
    QString Text(const QString& pattern) const;

private:
    const char* source_ = nullptr;
    QStringList arguments_;
    QString detail_;
};

} // namespace store
