// Saving the results to a file and importing them again.
#include "Guarded.h"
#include "MainForm.h"
#include "ResultsCsv.h"
#include "SafeFile.h"

#include <QIODevice>

namespace {

const platform::FileType CsvFile{QStringLiteral("CSV datoteka"), QStringLiteral("csv")};
const platform::FileType AnyFile{QStringLiteral("Sve datoteke"), QStringLiteral("*")};

} // namespace

void TMainForm::Button1Click() {
    SettlePendingEdits();
    if (resultsPath_.isEmpty())
        resultsPath_ = DocumentsFile(QStringLiteral("rezultati.csv"));
    const auto answer = services_.files.AskSaveFile(
        {QStringLiteral("Snimi rezultate"), resultsPath_, {CsvFile, AnyFile}});
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
        resultsPath_ = DocumentsFile(QStringLiteral("rezultati.csv"));
    const auto answer = services_.files.AskOpenFile(
        {QStringLiteral("Uvezi rezultate"), resultsPath_, {CsvFile, AnyFile}});
    if (!answer)
        return;
    resultsPath_ = answer->path;
    Guarded(services_.errors, [&] {
        const QByteArray bytes = LoadWholeFile(answer->path);
        // Read whole before anything is added: a bad row leaves the results as they were.
        const std::vector<double> times =
            ReadResultsCsv(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        // Imported times join the session the table shows; a calibration run's is its own.
        if (session_.header.kind == store::SessionKind::Calibration &&
            !session_.header.uid.isEmpty())
            StartNewSession();
        AppendResults(times, store::RowKind::Imported);
    });
}
