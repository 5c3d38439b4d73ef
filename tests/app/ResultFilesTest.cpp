// Saving the results and importing them: what the file holds, what comes back, and what a
// failure leaves behind.
#include "DBGrid.h"
#include "FileSystemHelpers.h"
#include "FormFixture.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <sys/stat.h>

namespace {

struct ResultFiles : FormFixture {
    QTemporaryDir dir;

    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void AnswerSave(const QString& path) { fakes.files.saveAnswer = platform::FileAnswer{path, 0}; }
    void AnswerOpen(const QString& path) { fakes.files.openAnswer = platform::FileAnswer{path, 0}; }

    std::vector<double> Values(const TChartValueList& list) const {
        std::vector<double> values;
        for (int i = 0; i < list.ValueCount(); ++i)
            values.push_back(list.ValueAt(i));
        return values;
    }
    std::vector<double> Times() const { return Values(form->Series0.YValues()); }
    std::vector<double> Trials() const { return Values(form->Series0.XValues()); }
    int GridRows() const { return form->DBGrid1->model()->rowCount(); }
};

// The locale decides the decimal separator people see; the file keeps "." under every one.
class ResultFilesUnderLocale : public ResultFiles, public testing::WithParamInterface<const char*> {
public:
    void SetUp() override {
        QLocale::setDefault(QLocale(QString::fromUtf8(GetParam())));
        std::setlocale(LC_ALL, (std::string(GetParam()) + ".UTF-8").c_str());
        ResultFiles::SetUp();
    }
    void TearDown() override {
        ResultFiles::TearDown();
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_P(ResultFilesUnderLocale, SavedResultsComeBackAfterARestart) {
    const std::vector<double> times{234, 234.5, 0.5, 1e12 + 0.5, 99999.75, 4e15};
    for (double ms : times)
        form->Series0.AddValue(ms);
    AnswerSave(Path("rezultati.csv"));
    form->Button1Click();
    const QByteArray text = ReadFile(Path("rezultati.csv"));
    EXPECT_TRUE(text.startsWith("Redni broj merenja,Vreme reakcije [ms]\r\n0,234\r\n1,234.5\r\n"))
        << text.constData();

    // The program closed and started again.
    form = std::make_unique<TMainForm>(fakes.AsServices(), processorClock);
    AnswerOpen(Path("rezultati.csv"));
    form->Button2Click();

    EXPECT_EQ(Times(), times);
    EXPECT_EQ(Trials(), (std::vector<double>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(GridRows(), 6);
    EXPECT_TRUE(fakes.errors.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Locales, ResultFilesUnderLocale, testing::Values("en_US", "sr_RS"));

TEST_F(ResultFiles, ImportedResultsFollowTheMeasuredOnesAsIfMeasured) {
    RunTrialWithResponseAfter(250);
    form->ResetButtonClick();
    WriteFile(Path("tabela.csv"), "Redni broj merenja;Vreme reakcije [ms]\n0;300,5\n1;310\n");
    AnswerOpen(Path("tabela.csv"));
    form->Button2Click();

    EXPECT_EQ(Times(), (std::vector<double>{250, 300.5, 310}));
    EXPECT_EQ(Trials(), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(GridRows(), 3);
    EXPECT_EQ(MemoLines().back(), u"Uvezeno 2 rezultata iz tabela.csv");
    EXPECT_EQ(form->Series0DataSet.RecNo(), 1);

    RunTrialWithResponseAfter(200);
    EXPECT_EQ(Trials().back(), 3);
}

TEST_F(ResultFiles, ABadRowImportsNothingAndNamesItsLine) {
    form->Series0.AddValue(250);
    WriteFile(Path("lose.csv"), "0,234\n1,250\n2,abc\n3,260\n");
    AnswerOpen(Path("lose.csv"));
    form->Button2Click();

    EXPECT_EQ(fakes.errors.shown, QStringList{"Red 3: \"abc\" nije broj."});
    EXPECT_EQ(Times(), std::vector<double>{250});
}

TEST_F(ResultFiles, CancelledDialogsChangeNothingAndTheLastFileIsRemembered) {
    form->Series0.AddValue(250);
    form->Button1Click();
    form->Button2Click();
    EXPECT_EQ(Times(), std::vector<double>{250});
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(fakes.errors.shown.isEmpty());
    ASSERT_EQ(fakes.files.asked.size(), 2u);
    EXPECT_TRUE(fakes.files.asked[0].suggestedPath.endsWith(u"/rezultati.csv"));

    AnswerSave(Path("prvi.csv"));
    form->Button1Click();
    fakes.files.saveAnswer.reset();
    form->Button1Click();
    EXPECT_EQ(fakes.files.asked.back().suggestedPath, Path("prvi.csv"));
}

TEST_F(ResultFiles, ASaveThatFailsKeepsTheOldFileAndSaysWhy) {
    form->Series0.AddValue(250);
    WriteFile(Path("rezultati.csv"), "stari rezultati");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    AnswerSave(Path("rezultati.csv"));
    {
        WithoutPermissionOverride asAUser;
        form->Button1Click();
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ASSERT_EQ(fakes.errors.shown.size(), 1);
    EXPECT_TRUE(fakes.errors.shown[0].startsWith(
        QStringLiteral("Ne mogu da snimim datoteku \"%1\": ").arg(Path("rezultati.csv"))))
        << fakes.errors.shown[0].toStdString();
    EXPECT_EQ(ReadFile(Path("rezultati.csv")), "stari rezultati");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"rezultati.csv"});
}

TEST_F(ResultFiles, AFileThatCannotBeReadIsReported) {
    AnswerOpen(Path("nema.csv"));
    form->Button2Click();
    ASSERT_EQ(fakes.errors.shown.size(), 1);
    EXPECT_TRUE(fakes.errors.shown[0].startsWith(u"Ne mogu da pročitam datoteku"));
    EXPECT_TRUE(Times().empty());
}

TEST_F(ResultFiles, AFileWithoutResultsSaysSo) {
    form->Series0.AddValue(250);
    const QStringList memo = MemoLines();
    for (const char* text : {"", "Redni broj merenja,Vreme reakcije [ms]\r\n", "\n \n"}) {
        WriteFile(Path("prazno.csv"), text);
        AnswerOpen(Path("prazno.csv"));
        form->Button2Click();
    }
    EXPECT_EQ(
        fakes.errors.shown,
        QStringList(3, QStringLiteral("Datoteka \"prazno.csv\" ne sadrži nijedan rezultat.")));
    EXPECT_EQ(Times(), std::vector<double>{250});
    EXPECT_EQ(MemoLines(), memo);
}

// Reading a device or a pipe could wait for ever: they are refused before a byte is read.
TEST_F(ResultFiles, OnlyARegularFileIsRead) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("cev.csv")).constData(), 0600), 0);
    for (const QString& path : {Path("cev.csv"), QStringLiteral("/dev/zero")}) {
        AnswerOpen(path);
        form->Button2Click();
    }
    EXPECT_EQ(fakes.errors.shown,
              (QStringList{QStringLiteral("Ne mogu da pročitam datoteku \"%1\": to nije obična "
                                          "datoteka, nego uređaj ili cev.")
                               .arg(Path("cev.csv")),
                           QStringLiteral("Ne mogu da pročitam datoteku \"/dev/zero\": to nije "
                                          "obična datoteka, nego uređaj ili cev.")}));
    EXPECT_TRUE(Times().empty());

    AnswerOpen(dir.path());
    form->Button2Click();
    EXPECT_EQ(fakes.errors.shown.back(),
              QStringLiteral("Ne mogu da pročitam datoteku \"%1\": to je folder.").arg(dir.path()));
}

// A large file shows its progress; a cancel, while reading or once all is parsed, imports
// nothing and says nothing more.
TEST_F(ResultFiles, ALargeFileCanBeCancelled) {
    form->Series0.AddValue(250);
    QByteArray text = "Redni broj merenja,Vreme reakcije [ms]\r\n";
    for (int i = 0; text.size() <= (4 << 20); ++i)
        text += QByteArray::number(i) + ",234.5\r\n";
    WriteFile(Path("veliki.csv"), text);
    const QStringList memo = MemoLines();
    for (const int cancelAt : {1, 1000}) {
        fakes.progress.steps.clear();
        fakes.progress.cancelAt = cancelAt;
        AnswerOpen(Path("veliki.csv"));
        form->Button2Click();

        EXPECT_FALSE(fakes.progress.open);
        ASSERT_FALSE(fakes.progress.steps.empty());
        EXPECT_GE(fakes.progress.steps.back(), cancelAt);
        EXPECT_TRUE(std::is_sorted(fakes.progress.steps.begin(), fakes.progress.steps.end()));
    }
    EXPECT_EQ(fakes.progress.labels,
              QStringList(2, QStringLiteral("Uvozim rezultate iz veliki.csv…")));
    EXPECT_EQ(fakes.progress.totals, (std::vector<int>{1000, 1000}));
    EXPECT_GT(fakes.progress.steps.size(), 5u);
    EXPECT_TRUE(fakes.errors.shown.isEmpty());
    EXPECT_EQ(Times(), std::vector<double>{250});
    EXPECT_EQ(MemoLines(), memo);
}

TEST_F(ResultFiles, ASmallFileShowsNoProgress) {
    WriteFile(Path("mali.csv"), "0;234\n");
    AnswerOpen(Path("mali.csv"));
    form->Button2Click();
    EXPECT_TRUE(fakes.progress.labels.isEmpty());
    EXPECT_EQ(Times(), std::vector<double>{234});
}

} // namespace
