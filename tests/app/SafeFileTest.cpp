#include "SafeFile.h"
#include "FileSystemHelpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A save cut short, small or large, fails with a message and leaves the old file as it was
// and no temporary file beside it.
TEST(SafeFile, ACutShortSaveFailsAndKeepsTheOldFile) {
    struct Case {
        const char* name;
        rlim_t limit;
        qsizetype size;
    };
    const Case cases[] = {{"small", 10, 100}, {"large", 4096, 100000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("rezultati.csv");
        const QByteArray old("trial,ms\n1,250\n");
        SaveFileSafely(path, [&](QIODevice& f) { f.write(old); });
        ASSERT_EQ(Read(path), old);
        std::string message;
        {
            FileSizeLimit limit(c.limit);
            try {
                SaveFileSafely(path, [&](QIODevice& f) { f.write(QByteArray(c.size, 'x')); });
            } catch (const std::runtime_error& e) {
                message = e.what();
            }
        }
        EXPECT_NE(message.find("Ne mogu da snimim datoteku"), std::string::npos) << message;
        EXPECT_NE(message.find("datoteka je veća nego što je dozvoljeno"), std::string::npos)
            << message;
        EXPECT_EQ(Read(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"rezultati.csv"});
    }
}

TEST(SafeFile, ASaveOverAFileKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath("rezultati.csv");
    SaveFileSafely(path, [](QIODevice& f) { f.write("a"); });
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const QFile::Permissions before = QFile::permissions(path);
    SaveFileSafely(path, [](QIODevice& f) { f.write("b"); });
    EXPECT_EQ(QFile::permissions(path), before);
    EXPECT_EQ(Read(path), "b");
}

} // namespace
