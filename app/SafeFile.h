#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Writes a file through `write` into a temporary file beside it and renames that over the
// target only when every byte was written and reached the disk, so a failed or interrupted save
// (a full disk, a size limit, a power cut) leaves no half file and keeps the previous one.
// Raises a runtime_error naming the file and the reason, in the window's language.
void SaveFileSafely(const QString& path, const std::function<void(QIODevice&)>& write);

// The whole content of a file; raises a runtime_error naming the file and the reason.
QByteArray LoadWholeFile(const QString& path);

// A file of the user's documents folder (the home folder when there is none), where the file
// dialogs start.
QString DocumentsFile(const QString& name);
