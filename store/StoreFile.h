#pragma once

#include "ResultsStore.h"
#include "StoreError.h"

#include <QString>
#include <memory>

namespace store {

struct OpenedStore {
    std::unique_ptr<TResultsStore> store;
    // What the user should know about the opening, or empty: a damaged file moved aside, or a
    // file from a later version opened read-only.
    StoreMessage notice;
};

// Opens the store at `path`, creating its folder and the file as needed. A file that is not a
// database or fails its integrity check is moved aside with its journal files, never deleted,
// and a new store starts in its place. Raises StoreError when the file cannot be opened or
// written at all (a read-only folder, a full disk, a lock held too long).
OpenedStore OpenStoreFile(const QString& path);

// Where the store goes when nothing names another: the user's data folder.
QString DefaultStorePath();

} // namespace store
