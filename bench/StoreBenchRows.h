#pragma once

#include "Session.h"

// A result of a benchmark session: reaction times spread over 180 to 419 ms.
inline store::SessionRow BenchRow(int trial) {
    store::SessionRow row;
    row.trial = trial;
    row.ms = 180 + trial % 240;
    row.at = QDateTime::currentDateTimeUtc();
    return row;
}
