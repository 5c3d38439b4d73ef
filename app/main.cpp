#include "Application.h"
#include "ErrorText.h"
#include "IniSettings.h"
#include "LatencyStamps.h"
#include "MainForm.h"
#include "PressArrival.h"
#include "ServerLink.h"
#include "SessionDialogs.h"
#include "SessionKeeper.h"
#include "StoreError.h"
#include "SystemColors.h"
#include "SystemDialogs.h"
#include "SystemTimingFacts.h"
#include "TavulinVersion.h"
#include "XcbFramePresenters.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <optional>

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

QString Translated(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

// Qt's own help text, with its few English words in the program's language.
QString HelpText(const QCommandLineParser& line) {
    QString text = line.helpText();
    // Its first line, "Usage: <program's path> [options]".
    text.replace(0, text.indexOf(u'\n'),
                 Translated(QT_TRANSLATE_NOOP("CommandLine", "Upotreba: tavulin [opcije]")));
    text.replace(QStringLiteral("Options:"),
                 Translated(QT_TRANSLATE_NOOP("CommandLine", "Opcije:")));
    return text;
}

QString ArgumentError(const QCommandLineParser& line) {
    if (!line.unknownOptionNames().isEmpty())
        return Translated(QT_TRANSLATE_NOOP("CommandLine", "nepoznata opcija %1"))
            .arg(line.unknownOptionNames().join(u' '));
    return Translated(QT_TRANSLATE_NOOP("CommandLine", "opcija nema vrednost"));
}

// The program's options. Their descriptions are taken in the language installed when it is made.
struct CommandLine {
    CommandLine();
    // False when an option is unknown or lacks its value, or the language is not known.
    bool Parse(const QStringList& arguments) { return line.parse(arguments) && Chosen(); }
    // The language asked for on the command line, else by the settings, else Serbian; nothing
    // for a code on the command line that the program does not know.
    std::optional<Language> Chosen(const platform::Settings* settings = nullptr) const {
        if (line.isSet(language))
            return LanguageOfCode(line.value(language));
        const QString kept =
            settings ? settings->Value(platform::SettingKeys::Language) : QString();
        return kept.isEmpty() ? Language::Serbian
                              : LanguageOfCode(kept).value_or(Language::Serbian);
    }

    QCommandLineParser line;
    const QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help")},
        Translated(QT_TRANSLATE_NOOP("CommandLine", "Prikazuje ovo uputstvo."))};
    const QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        Translated(QT_TRANSLATE_NOOP("CommandLine", "Prikazuje verziju programa."))};
    const QCommandLineOption database{
        QStringLiteral("database"),
        Translated(QT_TRANSLATE_NOOP(
            "CommandLine", "Baza rezultata umesto one iz podešavanja: SQLite datoteka, ili server "
                           "laboratorije postgresql://korisnik@računar:port/baza (lozinka iz "
                           "~/.pgpass ili PGPASSWORD).")),
        Translated(QT_TRANSLATE_NOOP("CommandLine", "putanja"))};
    const QCommandLineOption station{
        QStringLiteral("station"),
        Translated(QT_TRANSLATE_NOOP("CommandLine",
                                     "Ime ovog računara u sesijama umesto onog iz podešavanja.")),
        Translated(QT_TRANSLATE_NOOP("CommandLine", "ime"))};
    const QCommandLineOption language{
        QStringLiteral("lang"),
        Translated(QT_TRANSLATE_NOOP(
            "CommandLine", "Jezik programa umesto onog iz podešavanja: sr (srpski) ili en "
                           "(engleski).")),
        Translated(QT_TRANSLATE_NOOP("CommandLine", "jezik"))};
};

CommandLine::CommandLine() {
    line.setApplicationDescription(Translated(
        QT_TRANSLATE_NOOP("CommandLine", "Merenje brzine reakcije na vizuelni stimulus.")));
    for (const QCommandLineOption* option : {&help, &version, &database, &station, &language})
        line.addOption(*option);
}

// Answers --help and --version, and a command line it cannot read, in the language asked for;
// without a window system, so that they work without one. Returns the exit code.
int AnswerWithoutWindow(int& argc, char** argv, const QStringList& arguments,
                        const platform::Settings& settings) {
    const QCoreApplication core(argc, argv);
    CommandLine asked;
    asked.line.parse(arguments);
    const LanguageTranslations translations(asked.Chosen(&settings).value_or(Language::Serbian));
    // Made again, now with its texts in that language.
    CommandLine line;
    const bool parsed = line.line.parse(arguments);
    if (!parsed || !line.Chosen()) {
        const QString problem =
            parsed ? Translated(QT_TRANSLATE_NOOP("CommandLine", "nepoznat jezik %1 (sr ili en)"))
                         .arg(line.line.value(line.language))
                   : ArgumentError(line.line);
        std::fprintf(stderr, "tavulin: %s\n%s", qPrintable(problem),
                     qPrintable(HelpText(line.line)));
        return 2;
    }
    if (line.line.isSet(line.help)) {
        std::printf("%s", qPrintable(HelpText(line.line)));
        return 0;
    }
    std::printf("Tavulin %s\n", qPrintable(QCoreApplication::applicationVersion()));
    return 0;
}

// The toolkit's own connection to the X server, where the program runs on one.
xcb_connection_t* XConnection() {
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return x11->connection();
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVULIN_VERSION));

    // Read before the window system is reached.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    platform::IniSettings keptSettings;
    CommandLine commandLine;
    if (!commandLine.Parse(arguments) || commandLine.line.isSet(commandLine.help) ||
        commandLine.line.isSet(commandLine.version))
        return AnswerWithoutWindow(argc, argv, arguments, keptSettings);
    const QCommandLineParser& line = commandLine.line;

    TApplication app(argc, argv);
    app.SetLanguage(*commandLine.Chosen(&keptSettings));
    FillSystemColorsFromPalette(app.palette());
    LatencyStamps::InstallFromEnvironment();
    PressArrival::Install();

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
    StationNamed settings(keptSettings, line.value(commandLine.station));
    SystemSettingsDialog settingsDialog;
    SystemTextInput textInput;
    platform::SystemEventClock eventClock;
    xcb_connection_t* const x = XConnection();
    platform::XcbFramePresenters xcbPresenters(x);
    platform::NoFramePresenters noPresenters;
    platform::FramePresenters& presenters =
        xcbPresenters.Available() ? static_cast<platform::FramePresenters&>(xcbPresenters)
                                  : noPresenters;
    xcbPresenters.WatchToolkitEvents();
    platform::SystemTimingFacts timingFacts(x);
    SystemProgress progress;
    app.SetErrorDisplay(&errors);
    SystemCycleCounter cycles;
    // One clock for the whole process: it is looked up once and then kept.
    ProcessorClock processorClock(counter, sleeper, priority, registry, cycles);

    const QString storePath = StorePath(line, commandLine.database, settings);
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
            errors.Show(ErrorText(e));
        }
    }

    TMainForm form({counter, sleeper, priority, registry, timerResolution, beep, errors, questions,
                    files, printing, progress, settings, settingsDialog, textInput, eventClock,
                    presenters, timingFacts},
                   processorClock);
    form.KeepSessionsIn(keeper);
    if (link)
        form.SendSessionsTo(*link);
    form.show();
    return app.exec();
}
