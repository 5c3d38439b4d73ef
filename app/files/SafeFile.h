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

// The whole content of a regular file; raises a runtime_error naming the file and the reason.
// A device, a named pipe or a socket is refused before a byte is read: reading one may never
// end. `progress` hears the part read so far (0 … 1) after each piece.
QByteArray LoadWholeFile(const QString& path, const std::function<void(double)>& progress = {});

// A file of the user's documents folder (the home folder when there is none), where the file
// dialogs start.
QString DocumentsFile(const QString& name);
