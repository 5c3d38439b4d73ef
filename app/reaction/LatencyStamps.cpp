#include "LatencyStamps.h"

#include "PerformanceCounter.h"

#include <QCoreApplication>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Trial {
    std::array<std::int64_t, LatencyStamps::PointCount> at{};
};

platform::SystemPerformanceCounter& Counter() {
    static platform::SystemPerformanceCounter counter;
    return counter;
}

Trial& Current() {
    static Trial trial;
    return trial;
}

// The stamp file, opened once at start: a pipe or device named in its place would block the
// window at the first trial, so only a regular file is taken.
int& StampFile() {
    static int fd = -1;
    return fd;
}

int OpenRegularFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

void LatencyStamps::InstallFromEnvironment() {
    const QString path = qEnvironmentVariable("TAVULIN_LATENCY_STAMPS");
    if (StampFile() >= 0)
        ::close(StampFile());
    StampFile() = path.isEmpty() ? -1 : OpenRegularFile(path);
    on_ = StampFile() >= 0;
}

void LatencyStamps::StampOnceSlow(Point point) {
    std::int64_t& at = Current().at[point];
    if (at == 0)
        at = Counter().Counter();
}

void LatencyStamps::SetSlow(Point point, std::int64_t count) {
    if (point == Armed)
        Current() = Trial{};
    Current().at[point] = count;
}

void LatencyStamps::WriteResponse(double milliseconds) {
    if (!on_)
        return;
    QByteArray line;
    for (const std::int64_t at : Current().at)
        line += QByteArray::number(qint64(at)) + ' ';
    line += QByteArray::number(qint64(Counter().Frequency())) + ' ' +
            QByteArray::number(milliseconds, 'f', 6) + '\n';
    // One append of the whole line; a probe reading the file never sees half of it.
    [[maybe_unused]] const ssize_t written =
        ::write(StampFile(), line.constData(), size_t(line.size()));
    Current() = Trial{};
}
