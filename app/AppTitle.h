#pragma once

#include <QString>

// The program's title: the caption of its message boxes. Not the window's caption.
inline const QString ApplicationTitle = QStringLiteral("Tavulin");
