// Saving the results to a file and importing them again.
#include "DataErrors.h"
#include "FileTypes.h"
#include "Guarded.h"
#include "MainForm.h"
#include "ResultsCsv.h"
#include "SafeFile.h"
#include "ShownText.h"

#include <QFileInfo>
#include <QIODevice>
#include <optional>
#include <stdexcept>

namespace {

// A file this large takes long enough to read that the window shows how far it is and lets
// the user stop.
constexpr qint64 LargeImport = qint64(4) << 20;
constexpr int ProgressSteps = 1000;

// A file's name as a message or the memo shows it.
QString ShownName(const QString& path) {
    return QString::fromStdString(ShownText(QFileInfo(path).fileName().toStdString(), 255));
}

} // namespace

void TMainForm::Button1Click() {
    SettlePendingEdits();
    if (resultsPath_.isEmpty())
        resultsPath_ = DocumentsFile(tr("rezultati.csv"));
    const auto answer =
        services_.files.AskSaveFile({tr("Snimi rezultate"), resultsPath_, {CsvFile(), AnyFile()}});
    if (!answer)
        return;
    resultsPath_ = answer->path;
    Guarded(services_.errors, [&] {
        const std::string text = WriteResultsCsv(DBChart1.Series(0));
        SaveFileSafely(answer->path,
                       [&](QIODevice& file) { file.write(text.data(), qint64(text.size())); });
    });
}

void TMainForm::Button2Click() {
    SettlePendingEdits();
    if (resultsPath_.isEmpty())
        resultsPath_ = DocumentsFile(tr("rezultati.csv"));
    const auto answer =
        services_.files.AskOpenFile({tr("Uvezi rezultate"), resultsPath_, {CsvFile(), AnyFile()}});
    if (!answer)
        return;
    resultsPath_ = answer->path;
    Guarded(services_.errors, [&] {
        const QString name = ShownName(answer->path);
        std::optional<platform::ProgressShown> shown;
        if (QFileInfo(answer->path).size() > LargeImport)
            shown.emplace(services_.progress, tr("Uvozim rezultate iz %1…").arg(name),
                          ProgressSteps);
        // Reading fills the first half of the bar, parsing the second; a cancel leaves the
        // results as they were.
        const auto stepTo = [&](double part) {
            if (shown && !shown->Step(int(part * ProgressSteps)))
                throw EAbort();
        };
        const QByteArray bytes =
            LoadWholeFile(answer->path, [&](double part) { stepTo(part / 2); });
        // Read whole before anything is added: a bad row leaves the results as they were.
        const std::vector<double> times =
            ReadResultsCsv(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                           [&](double part) { stepTo(0.5 + part / 2); });
        stepTo(1);
        shown.reset();
        if (times.empty())
            throw std::runtime_error(
                tr("Datoteka \"%1\" ne sadrži nijedan rezultat").arg(name).toStdString());
        // Imported times join the session the table shows; a calibration run's is its own.
        if (session_.header.kind == store::SessionKind::Calibration &&
            !session_.header.uid.isEmpty())
            StartNewSession();
        AppendResults(times, store::RowKind::Imported);
        AppendMemoLine(tr("Uvezeno %1 rezultata iz %2").arg(times.size()).arg(name));
    });
}
