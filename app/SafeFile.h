#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Writes a file through `write` into a temporary file beside it and renames that over the
// target only when everything was written, so a failed or interrupted save leaves no half file
// and keeps the previous one. Raises a runtime_error naming the file and the reason.
void SaveFileSafely(const QString& path, const std::function<void(QIODevice&)>& write);

// The whole content of a file; raises a runtime_error naming the file and the reason.
QByteArray LoadWholeFile(const QString& path);

// A file of the user's documents folder (the home folder when there is none), where the file
// dialogs start.
QString DocumentsFile(const QString& name);
