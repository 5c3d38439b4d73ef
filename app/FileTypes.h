#pragma once

#include "FileDialogs.h"

// The kinds of file the program's dialogs offer.
inline const platform::FileType CsvFile{QStringLiteral("CSV datoteka"), QStringLiteral("csv")};
inline const platform::FileType AnyFile{QStringLiteral("Sve datoteke"), QStringLiteral("*")};
