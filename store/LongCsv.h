#pragma once

#include "Session.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// Sessions as one comma-separated table in long format, one line per row with its session's
// columns repeated, as spreadsheets and statistics packages read it: UTF-8, CRLF lines, a
// header line, "." as the decimal point, times in ISO 8601 (UTC).
std::string WriteLongCsv(std::span<const Session> sessions);

// Reads what WriteLongCsv writes back into sessions, in the order they first appear. Raises
// StoreError naming the line of the first thing it cannot read.
std::vector<Session> ReadLongCsv(std::string_view text);

} // namespace store
