#include "SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("SafeFile", text);
}

// `what` is a marked text with the file's place in it.
[[noreturn]] void Fail(const char* what, const QString& path, const QString& reason) {
    throw std::runtime_error(QStringLiteral("%1: %2")
                                 .arg(Translated(what).arg(QDir::toNativeSeparators(path)), reason)
                                 .toStdString());
}

// The system's reason in the window's language, for the failures a user can meet and mend.
QString Reason(int error) {
    switch (error) {
    case ENOSPC:
        return Translated(QT_TRANSLATE_NOOP("SafeFile", "nema mesta na disku"));
    case EDQUOT:
        return Translated(
            QT_TRANSLATE_NOOP("SafeFile", "prekoračena je dozvoljena količina prostora na disku"));
    case EFBIG:
        return Translated(QT_TRANSLATE_NOOP("SafeFile", "datoteka je veća nego što je dozvoljeno"));
    case EACCES:
    case EPERM:
        return Translated(QT_TRANSLATE_NOOP("SafeFile", "pristup nije dozvoljen"));
    case EROFS:
        return Translated(QT_TRANSLATE_NOOP("SafeFile", "disk je samo za čitanje"));
    case ENOENT:
    case ENOTDIR:
        return Translated(QT_TRANSLATE_NOOP("SafeFile", "folder ne postoji"));
    case EISDIR:
        return Translated(QT_TRANSLATE_NOOP("SafeFile", "to je folder"));
    case EIO:
        return Translated(QT_TRANSLATE_NOOP("SafeFile", "greška pri upisu na disk"));
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Closes the descriptor, and removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const QString& target) {
        QByteArray pattern = QFile::encodeName(target) + ".XXXXXX";
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        created_ = fd_ >= 0;
        name_ = pattern;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (created_ && !renamed_)
            ::unlink(name_.constData());
    }
    bool Opened() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }
    const QByteArray& Name() const { return name_; }
    // Closes the file, answering the error close reports (delayed write errors land here).
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }
    void Renamed() { renamed_ = true; }

private:
    QByteArray name_;
    int fd_ = -1;
    bool created_ = false;
    bool renamed_ = false;
};

// A descriptor closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { ::close(fd_); }

private:
    int fd_;
};

// Every byte, or the error that stopped it: a write may take fewer bytes than asked.
int WriteAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, std::size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        p += n;
        left -= n;
    }
    return 0;
}

} // namespace

void SaveFileSafely(const QString& path, const std::function<void(QIODevice&)>& write) {
    constexpr const char* What = QT_TRANSLATE_NOOP("SafeFile", "Ne mogu da snimim datoteku \"%1\"");
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        write(buffer);
    }
    const QByteArray target = QFile::encodeName(path);
    TemporaryFile temporary(path);
    if (!temporary.Opened())
        Fail(What, path, Reason(errno));
    // A file saved over keeps who may read it.
    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    if (::fchmod(temporary.Descriptor(), existed ? (old.st_mode & 07777) : 0644) != 0)
        Fail(What, path, Reason(errno));
    if (const int error = WriteAll(temporary.Descriptor(), bytes))
        Fail(What, path, Reason(error));
    if (::fsync(temporary.Descriptor()) != 0)
        Fail(What, path, Reason(errno));
    if (const int error = temporary.Close())
        Fail(What, path, Reason(error));
    if (::rename(temporary.Name().constData(), target.constData()) != 0)
        Fail(What, path, Reason(errno));
    temporary.Renamed();
    // The rename itself reaches the disk only with the folder.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

QByteArray LoadWholeFile(const QString& path, const std::function<void(double)>& progress) {
    constexpr const char* What =
        QT_TRANSLATE_NOOP("SafeFile", "Ne mogu da pročitam datoteku \"%1\"");
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        Fail(What, path,
             errno == ENOENT ? Translated(QT_TRANSLATE_NOOP("SafeFile", "datoteka ne postoji"))
                             : Reason(errno));
    const Descriptor file(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        Fail(What, path, Reason(errno));
    if (S_ISDIR(status.st_mode))
        Fail(What, path, Reason(EISDIR));
    if (!S_ISREG(status.st_mode))
        Fail(What, path,
             Translated(
                 QT_TRANSLATE_NOOP("SafeFile", "to nije obična datoteka, nego uređaj ili cev")));

    constexpr qsizetype Piece = qsizetype(1) << 20;
    const qsizetype expected = qsizetype(status.st_size);
    QByteArray bytes(expected, Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        // A file that grew since fstat is read to its end all the same.
        if (done == bytes.size())
            bytes.resize(bytes.size() + Piece);
        const ssize_t n =
            ::read(fd, bytes.data() + done, std::size_t(std::min(Piece, bytes.size() - done)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(What, path, Reason(errno));
        }
        if (n == 0)
            break;
        done += n;
        if (progress && expected > 0)
            progress(std::min(1.0, double(done) / double(expected)));
    }
    bytes.resize(done);
    return bytes;
}

QString DocumentsFile(const QString& name) {
    // Without a documents folder the dialogs would start wherever the program was started.
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return (documents.exists() ? documents : QDir::home()).filePath(name);
}
