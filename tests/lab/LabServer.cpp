#include "LabServer.h"

#include <QFile>
#include <QProcess>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int FreeLoopbackPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&a), size) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) != 0)
        throw std::runtime_error("no free loopback port");
    ::close(s);
    return ntohs(a.sin_port);
}

bool AsRoot() {
    return ::geteuid() == 0;
}

void GiveToServerUser(const QString& path) {
    if (!AsRoot())
        return;
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody ||
        ::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
        throw std::runtime_error("cannot give the server folder to nobody");
}

} // namespace

TLabServer::TLabServer(bool durable)
    : folder_(QStringLiteral("/tmp/tavulin-lab-XXXXXX")), durable_(durable) {
    if (!folder_.isValid())
        throw std::runtime_error("no temporary folder for the server");
    GiveToServerUser(folder_.path());
    data_ = folder_.filePath(QStringLiteral("data"));
    const QString passwordFile = folder_.filePath(QStringLiteral("password"));
    {
        QFile file(passwordFile);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write the password file");
        file.write(Password);
    }
    GiveToServerUser(passwordFile);
    Run(Bin("initdb"),
        {QStringLiteral("-D"), data_, QStringLiteral("-U"), QStringLiteral("lab"),
         QStringLiteral("--pwfile=") + passwordFile, QStringLiteral("--auth-local=trust"),
         QStringLiteral("--auth-host=scram-sha-256"), QStringLiteral("--no-sync"),
         QStringLiteral("-E"), QStringLiteral("UTF8")},
        true);
    port_ = FreeLoopbackPort();
    Start();
    // A test program that crashes runs no destructor: a watcher of its own stops the server
    // and removes the folder once this process is gone.
    const QString watch =
        QStringLiteral("while [ -d /proc/%1 ]; do sleep 1; done; [ -d '%2' ] || exit 0; "
                       "'%3' -D '%2' -m immediate stop >/dev/null 2>&1; rm -rf '%4'")
            .arg(::getpid())
            .arg(data_, Bin("pg_ctl"), folder_.path());
    if (AsRoot())
        QProcess::startDetached(QStringLiteral("runuser"),
                                {QStringLiteral("-u"), QStringLiteral("nobody"),
                                 QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
                                 watch});
    else
        QProcess::startDetached(QStringLiteral("sh"), {QStringLiteral("-c"), watch});
    Sql(QStringLiteral("CREATE DATABASE lab"), QStringLiteral("postgres"));
}

TLabServer::~TLabServer() {
    try {
        Stop();
    } catch (const std::exception&) {
    }
}

QString TLabServer::Bin(const char* program) const {
    return QStringLiteral("/usr/lib/postgresql/15/bin/") + QLatin1String(program);
}

QString TLabServer::Run(const QString& program, const QStringList& arguments,
                        bool asServerUser) const {
    QProcess process;
    if (asServerUser && AsRoot())
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("nobody"),
                                  QStringLiteral("--"), program} +
                          arguments);
    else
        process.start(program, arguments);
    if (!process.waitForFinished(120'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error((program + QStringLiteral(" failed: ") +
                                  QString::fromLocal8Bit(process.readAllStandardError()))
                                     .toStdString());
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void TLabServer::Start() {
    if (running_)
        return;
    // Without fsync the tests lose nothing while the machine keeps running, and run faster.
    Run(Bin("pg_ctl"),
        {QStringLiteral("-D"), data_, QStringLiteral("-l"), folder_.filePath(QStringLiteral("log")),
         QStringLiteral("-w"), QStringLiteral("-o"),
         QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=%3 "
                        "-c max_connections=50")
             .arg(port_)
             .arg(folder_.path(), durable_ ? QStringLiteral("on") : QStringLiteral("off")),
         QStringLiteral("start")},
        true);
    running_ = true;
}

void TLabServer::Stop() {
    if (!running_)
        return;
    Run(Bin("pg_ctl"),
        {QStringLiteral("-D"), data_, QStringLiteral("-m"), QStringLiteral("fast"),
         QStringLiteral("-w"), QStringLiteral("stop")},
        true);
    running_ = false;
}

store::ServerAddress TLabServer::Address(const QString& database) const {
    return {QStringLiteral("lab"), QStringLiteral("127.0.0.1"), port_, database};
}

QString TLabServer::Url(const QString& database) const {
    return Address(database).Shown();
}

QString TLabServer::Sql(const QString& sql, const QString& database) const {
    return Run(QStringLiteral("/usr/lib/postgresql/15/bin/psql"),
               {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"),
                QStringLiteral("-t"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                QStringLiteral("-h"), folder_.path(), QStringLiteral("-p"), QString::number(port_),
                QStringLiteral("-U"), QStringLiteral("lab"), QStringLiteral("-d"), database,
                QStringLiteral("-c"), sql},
               false)
        .trimmed();
}
