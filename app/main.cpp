#include "Application.h"
#include "IniSettings.h"
#include "LatencyStamps.h"
#include "MainForm.h"
#include "ServerLink.h"
#include "SessionDialogs.h"
#include "SessionKeeper.h"
#include "StoreError.h"
#include "SystemColors.h"
#include "SystemDialogs.h"
#include "TavulinVersion.h"

#include <QCommandLineParser>
#include <cstdio>
#include <memory>

namespace {

// The store's file or the lab's server: the command line's, else the server setting's, else
// the store setting's, else the user's data folder.
QString StorePath(const QCommandLineParser& line, const QCommandLineOption& database,
                  const platform::Settings& settings) {
    if (line.isSet(database))
        return line.value(database);
    const QString server = settings.Value(platform::SettingKeys::Server);
    if (!server.isEmpty())
        return server;
    const QString set = settings.Value(platform::SettingKeys::Database);
    return set.isEmpty() ? store::DefaultStorePath() : set;
}

// The settings as kept, but for the station named on the command line: two windows on one
// computer may run as two stations without changing each other's settings.
class StationNamed : public platform::Settings {
public:
    StationNamed(platform::Settings& kept, QString station)
        : kept_(kept), station_(std::move(station)) {}
    QString Value(const QString& key, const QString& fallback) const override {
        if (key == platform::SettingKeys::Station && !station_.isEmpty())
            return station_;
        return kept_.Value(key, fallback);
    }
    void SetValue(const QString& key, const QString& value) override {
        if (key == platform::SettingKeys::Station)
            station_.clear();
        kept_.SetValue(key, value);
    }

private:
    platform::Settings& kept_;
    QString station_;
};

// Qt's own help text, with its few English words in Serbian.
QString HelpText(const QCommandLineParser& line) {
    QString text = line.helpText();
    text.replace(QStringLiteral("Usage: <executable_name> [options]"),
                 QStringLiteral("Upotreba: tavulin [opcije]"));
    text.replace(QStringLiteral("Options:"), QStringLiteral("Opcije:"));
    return text;
}

QString ArgumentError(const QCommandLineParser& line) {
    if (!line.unknownOptionNames().isEmpty())
        return QStringLiteral("nepoznata opcija %1").arg(line.unknownOptionNames().join(u' '));
    return QStringLiteral("opcija nema vrednost");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVULIN_VERSION));

    QCommandLineParser line;
    line.setApplicationDescription(QStringLiteral("Merenje brzine reakcije na vizuelni stimulus."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prikazuje ovo uputstvo."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prikazuje verziju programa."));
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("Baza rezultata umesto one iz podešavanja: SQLite datoteka, ili server "
                       "laboratorije postgresql://korisnik@računar:port/baza (lozinka iz "
                       "~/.pgpass ili PGPASSWORD)."),
        QStringLiteral("putanja"));
    const QCommandLineOption station(
        QStringLiteral("station"),
        QStringLiteral("Ime ovog računara u sesijama umesto onog iz podešavanja."),
        QStringLiteral("ime"));
    line.addOption(help);
    line.addOption(version);
    line.addOption(database);
    line.addOption(station);
    // Read before the window system is reached, so that --help and --version work without one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!line.parse(arguments)) {
        std::fprintf(stderr, "tavulin: %s\n%s", qPrintable(ArgumentError(line)),
                     qPrintable(HelpText(line)));
        return 2;
    }
    if (line.isSet(help)) {
        std::printf("%s", qPrintable(HelpText(line)));
        return 0;
    }
    if (line.isSet(version)) {
        std::printf("Tavulin %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }

    TApplication app(argc, argv);
    FillSystemColorsFromPalette(app.palette());
    LatencyStamps::InstallFromEnvironment();

    platform::SystemPerformanceCounter counter;
    platform::SystemSleeper sleeper;
    platform::SystemThreadPriority priority;
    platform::SystemRegistry registry;
    platform::SystemTimerResolution timerResolution;
    platform::FunctionBeep beep([] { QApplication::beep(); });
    MessageBoxErrorDisplay errors;
    MessageBoxQuestions questions;
    SystemFileDialogs files;
    SystemPrintDialog printing;
    platform::IniSettings keptSettings;
    StationNamed settings(keptSettings, line.value(station));
    SystemSettingsDialog settingsDialog;
    SystemTextInput textInput;
    platform::SystemEventClock eventClock;
    SystemProgress progress;
    app.SetErrorDisplay(&errors);
    SystemCycleCounter cycles;
    // One clock for the whole process: it is looked up once and then kept.
    ProcessorClock processorClock(counter, sleeper, priority, registry, cycles);

    const QString storePath = StorePath(line, database, settings);
    // A lab station keeps everything in its own store first and sends it on from there, so
    // that a server away loses nothing.
    const bool lab = store::IsServerAddress(storePath);
    std::unique_ptr<store::TServerLink> link;
    const QString localPath = lab ? store::DefaultStorePath() : storePath;
    store::TSessionKeeper keeper([localPath, lab] {
        store::OpenedStore opened = store::OpenStoreFile(localPath);
        opened.store->KeepOutbox(lab);
        return opened;
    });
    if (lab) {
        try {
            link = std::make_unique<store::TServerLink>(store::ParseServerAddress(storePath));
        } catch (const store::StoreError& e) {
            errors.Show(QString::fromStdString(e.what()));
        }
    }

    TMainForm form({counter, sleeper, priority, registry, timerResolution, beep, errors, questions,
                    files, printing, progress, settings, settingsDialog, textInput, eventClock},
                   processorClock);
    form.KeepSessionsIn(keeper);
    if (link)
        form.SendSessionsTo(*link);
    form.show();
    return app.exec();
}
