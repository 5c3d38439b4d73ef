#pragma once

#include <QString>
#include <exception>

namespace store {
class StoreMessage;
}

// The text the user is shown for a failure, in the window's language. The store and the
// results file reader raise their messages untranslated, as a marked text with its values
// kept apart; they are translated here. Other messages are shown as they were raised.
QString ErrorText(const std::exception& error);

// A message of the store (a failure, or a notice such as a damaged file moved aside) in the
// window's language.
QString MessageText(const store::StoreMessage& message);

// For a failure that is no exception of the standard library.
QString UnknownErrorText();
