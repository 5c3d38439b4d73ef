#include "Application.h"
#include "IniSettings.h"
#include "LatencyStamps.h"
#include "MainForm.h"
#include "SessionDialogs.h"
#include "SessionKeeper.h"
#include "SystemColors.h"
#include "SystemDialogs.h"
#include "TavulinVersion.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

// The store's file: the command line's, else the setting's, else the user's data folder.
QString StorePath(const QCommandLineParser& line, const QCommandLineOption& database,
                  const platform::Settings& settings) {
    if (line.isSet(database))
        return line.value(database);
    const QString set = settings.Value(platform::SettingKeys::Database);
    return set.isEmpty() ? store::DefaultStorePath() : set;
}

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
        QStringLiteral("Baza rezultata (SQLite datoteka) umesto one iz podešavanja."),
        QStringLiteral("putanja"));
    line.addOption(help);
    line.addOption(version);
    line.addOption(database);
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
    platform::IniSettings settings;
    SystemSettingsDialog settingsDialog;
    SystemTextInput textInput;
    platform::SystemEventClock eventClock;
    SystemProgress progress;
    app.SetErrorDisplay(&errors);
    SystemCycleCounter cycles;
    // One clock for the whole process: it is looked up once and then kept.
    ProcessorClock processorClock(counter, sleeper, priority, registry, cycles);

    const QString storePath = StorePath(line, database, settings);
    store::TSessionKeeper keeper([storePath] { return store::OpenStoreFile(storePath); });

    TMainForm form({counter, sleeper, priority, registry, timerResolution, beep, errors, questions,
                    files, printing, progress, settings, settingsDialog, textInput, eventClock},
                   processorClock);
    form.KeepSessionsIn(keeper);
    form.show();
    return app.exec();
}
