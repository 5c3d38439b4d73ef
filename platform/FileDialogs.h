#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace platform {

// A kind of file the user may pick, as the dialog lists it ("PNG slika (*.png)").
struct FileType {
    QString description;
    QString extension; // without the dot
};

struct FileQuestion {
    QString title;
    QString suggestedPath;
    std::vector<FileType> types;
};

struct FileAnswer {
    QString path;
    std::size_t type = 0; // index into the question's types
};

// The dialogs that let the user pick a file to write or to read. Nothing when they cancel.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<FileAnswer> AskSaveFile(const FileQuestion& question) = 0;
    virtual std::optional<FileAnswer> AskOpenFile(const FileQuestion& question) = 0;
};

} // namespace platform
