// The window in English: its texts come from the English translation, the access keys still
// start and reset a trial, the lower libraries' messages are translated where they are shown,
// and files are written the same in every language.
#include "ErrorText.h"
#include "FileSystemHelpers.h"
#include "FormFixture.h"
#include "ReactionTexts.h"
#include "ResultsCsv.h"
#include "SessionKeeper.h"
#include "SpinEdit.h"
#include "StoreError.h"
#include "StoreFile.h"

#include <QAbstractButton>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

// The English texts of the translation file as patterns, each %1, %2 … standing for any text.
std::vector<QRegularExpression> EnglishPatterns() {
    QFile file(QStringLiteral(TAVULIN_ENGLISH_TS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QRegularExpression> patterns;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"translation") {
            QString pattern = QRegularExpression::escape(xml.readElementText());
            pattern.replace(QRegularExpression(QStringLiteral(R"(\\?%\d)")), QStringLiteral(".*"));
            patterns.emplace_back(QRegularExpression::anchoredPattern(pattern));
        } else if (xml.isEndDocument()) {
            break;
        } else {
            xml.readNext();
        }
    }
    return patterns;
}

struct English : FormFixture {
    void SetUp() override {
        Application()->SetLanguage(Language::English);
        FormFixture::SetUp();
    }
    void TearDown() override {
        FormFixture::TearDown();
        Application()->SetLanguage(Language::Serbian);
    }
};

TEST_F(English, StartButtonsReadInEnglishAndEAndRStillStartAndReset) {
    EXPECT_EQ(form->KreniButton->text(), QStringLiteral("B&egin"));
    EXPECT_EQ(form->ResetButton->text(), QStringLiteral("&Reset"));
    EXPECT_TRUE(form->RPanel->Caption().startsWith(u"To start a trial click"));

    form->Memo1->clearFocus();
    form->setFocus();
    QTest::keyClick(form.get(), Qt::Key_E);
    EXPECT_EQ(form->RPanel->Caption(), ReactionTexts::Waiting());
    EXPECT_TRUE(ReactionTexts::Waiting().startsWith(u"Wait for the panel"));
    EXPECT_FALSE(form->KreniButton->isEnabled());
    QTest::keyClick(form.get(), Qt::Key_R);
    EXPECT_EQ(form->RPanel->Caption(), ReactionTexts::Idle());
    EXPECT_TRUE(form->KreniButton->isEnabled());
}

// A text put on screen without going through the translation has no English of its own: it
// shows in Serbian and matches none of the English texts.
TEST_F(English, EveryTextOnEveryPageIsAnEnglishText) {
    const std::vector<QRegularExpression> patterns = EnglishPatterns();
    ASSERT_GT(patterns.size(), 100u);
    QStringList untranslated;
    const auto check = [&](const QString& where, const QString& text) {
        for (const QString& line : text.split(u'\n')) {
            if (!line.contains(QRegularExpression(QStringLiteral("[[:alpha:]]"))))
                continue;
            if (std::none_of(patterns.begin(), patterns.end(),
                             [&](const QRegularExpression& p) { return p.match(line).hasMatch(); }))
                untranslated << where + QStringLiteral(": ") + line;
        }
    };
    check(QStringLiteral("window title"), form->windowTitle());
    for (int page = 0; page < form->PageControl1->count(); ++page) {
        form->PageControl1->setCurrentIndex(page);
        check(QStringLiteral("tab"), form->PageControl1->tabText(page));
        QWidget* sheet = form->PageControl1->widget(page);
        for (const QAbstractButton* b : sheet->findChildren<QAbstractButton*>())
            if (b->isVisible())
                check(b->objectName(), b->text());
        for (const QLabel* l : form->findChildren<QLabel*>())
            if (l->isVisible())
                check(l->objectName(), l->text());
        for (const QTableView* table : sheet->findChildren<QTableView*>()) {
            const QAbstractItemModel* model = table->model();
            for (int c = 0; c < model->columnCount(); ++c)
                if (!table->isColumnHidden(c))
                    check(table->objectName(),
                          model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        }
    }
    check(QStringLiteral("RPanel"), form->RPanel->Caption());
    check(QStringLiteral("Memo1"), form->Memo1->toPlainText());
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(u'\n').toStdString();
}

TEST_F(English, MessagesOfTheLowerLibrariesAreTranslatedWhereShown) {
    std::string csvError;
    try {
        ReadResultsCsv("0,234\n1,-5\n");
    } catch (const ResultsFileError& e) {
        EXPECT_EQ(ErrorText(e), QStringLiteral("Line 2: the reaction time cannot be negative"));
        csvError = e.what();
    }
    EXPECT_EQ(csvError, "Red 2: vreme reakcije ne može biti negativno") << "raised in Serbian";

    const store::StoreError marked(QT_TRANSLATE_NOOP("Store", "Baza %1 ne može da se otvori"),
                                   {QStringLiteral("/tmp/%2.db")}, QStringLiteral("disk I/O"));
    EXPECT_EQ(ErrorText(marked),
              QStringLiteral("The database /tmp/%2.db cannot be opened: disk I/O"));
    EXPECT_STREQ(marked.what(), "Baza /tmp/%2.db ne može da se otvori: disk I/O");
    // A notice names its cause, translated too.
    store::TSessionKeeper keeper([]() -> store::OpenedStore {
        throw store::StoreError(QT_TRANSLATE_NOOP("Store", "Baza je zauzeta"), {},
                                QStringLiteral("database is locked"));
    });
    QStringList notices;
    keeper.OnNotice = [&](const store::StoreMessage& m) { notices << MessageText(m); };
    keeper.Retry();
    EXPECT_EQ(MessageText(keeper.Problem()),
              QStringLiteral("The database is busy: database is locked"));
    EXPECT_EQ(notices, QStringList{QStringLiteral(
                           "Results are not kept in the store (The database is busy: database is "
                           "locked). The program holds them in memory and will write them as soon "
                           "as the store is available.")});

    const store::StoreError worded(std::string("Već rečeno."));
    EXPECT_EQ(ErrorText(worded), QStringLiteral("Već rečeno."));
}

TEST_F(English, SavedResultsAreTheSameInEveryLanguage) {
    QTemporaryDir dir;
    const auto save = [&](const QString& name) {
        form->Series0.RemoveAllPoints();
        for (double ms : {234.0, 250.5, 199.0})
            form->Series0.AddValue(ms);
        fakes.files.saveAnswer = platform::FileAnswer{dir.filePath(name), 0};
        form->Button1Click();
        return ReadFile(dir.filePath(name));
    };
    const QByteArray english = save(QStringLiteral("en.csv"));
    Application()->SetLanguage(Language::Serbian);
    form = std::make_unique<TMainForm>(fakes.AsServices(), processorClock);
    const QByteArray serbian = save(QStringLiteral("sr.csv"));
    EXPECT_EQ(english, serbian);
    EXPECT_TRUE(english.startsWith("Redni broj merenja,Vreme reakcije [ms]\r\n"));
}

// A measurement and a calibration run kept while the window speaks English, exported in
// English and in Serbian.
TEST_F(English, ExportedSessionsAreTheSameInEveryLanguage) {
    QTemporaryDir dir;
    const QString storePath = dir.filePath(QStringLiteral("results.sqlite"));
    const auto keeper = [&] {
        return std::make_unique<store::TSessionKeeper>(
            [storePath] { return store::OpenStoreFile(storePath); });
    };
    const auto exported = [&](const QString& name) {
        fakes.files.saveAnswer = platform::FileAnswer{dir.filePath(name), 0};
        form->RefreshSessionsList();
        form->ExportSessionsClick();
        return ReadFile(dir.filePath(name));
    };
    fakes.registry.SetDword(platform::CentralProcessorKey, platform::ProcessorMhzValue, 2400);
    auto kept = keeper();
    form->KeepSessionsIn(*kept);
    RunTrialWithResponseAfter(250);
    answer = true;
    form->SpinEditSleep->SetValue(1);
    form->SpinEditIter->SetValue(3);
    form->ButtonIzmeriClick();
    const QByteArray english = exported(QStringLiteral("en.csv"));

    form.reset();
    kept = keeper();
    Application()->SetLanguage(Language::Serbian);
    form = std::make_unique<TMainForm>(fakes.AsServices(), processorClock);
    form->KeepSessionsIn(*kept);
    EXPECT_EQ(exported(QStringLiteral("sr.csv")), english);
    EXPECT_TRUE(english.contains("calibration")) << english.constData();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

} // namespace

namespace {

struct LanguageSetting : FormFixture {};

TEST_F(LanguageSetting, TheDialogShowsTheKeptLanguageAndKeepsTheChosenOne) {
    fakes.settingsDialog.answer = platform::SettingsValues{};
    form->SettingsClick();
    ASSERT_EQ(fakes.settingsDialog.shown.size(), 1u);
    EXPECT_EQ(fakes.settingsDialog.shown[0].language, QStringLiteral("sr")) << "Serbian unless set";

    fakes.settingsDialog.answer->language = QStringLiteral("en");
    form->SettingsClick();
    EXPECT_EQ(fakes.settings.Value(platform::SettingKeys::Language, {}), QStringLiteral("en"));
    form->SettingsClick();
    EXPECT_EQ(fakes.settingsDialog.shown.back().language, QStringLiteral("en"));
}

} // namespace
