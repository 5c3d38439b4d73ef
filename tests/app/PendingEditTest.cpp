// What is typed into a grid and not yet confirmed with Enter counts before the results are read.
#include "FileSystemHelpers.h"
#include "ResultViewsFixture.h"

#include <QCloseEvent>
#include <QTemporaryDir>

namespace {

struct PendingEdit : ResultViews {
    QTemporaryDir dir;

    // 999 typed over the first result's time, the editor still open.
    void TypeOverFirstTime(const QString& text) {
        Record({200, 210});
        TDBGrid* grid = Grid();
        SelectCell(grid, 0, 1);
        Type(text);
        ASSERT_NE(grid->OpenEditor(), nullptr);
    }
    struct Action {
        const char* name;
        std::function<void()> run;
    };
    std::vector<Action> Actions() {
        return {
            {"save",
             [this] {
                 fakes.files.saveAnswer = platform::FileAnswer{dir.filePath("r.csv"), 0};
                 form->Button1->click();
             }},
            {"import", [this] { form->Button2->click(); }},
            {"chart picture", [this] { form->Button3->click(); }},
            {"chart print", [this] { form->Button4->click(); }},
            {"histogram", [this] { form->Button5->click(); }},
            {"new result", [this] { RunTrialWithResponseAfter(300); }},
        };
    }
};

TEST_F(PendingEdit, EveryActionThatReadsTheResultsTakesTheTypedValueFirst) {
    for (const Action& action : Actions()) {
        SCOPED_TRACE(action.name);
        TearDown();
        SetUp();
        TypeOverFirstTime("999");
        action.run();
        EXPECT_EQ(Y(0), 999);
        EXPECT_EQ(Results().State(), dsBrowse);
        EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();
    }
}

TEST_F(PendingEdit, TheSavedFileHoldsWhatTheGridShows) {
    TypeOverFirstTime("999");
    fakes.files.saveAnswer = platform::FileAnswer{dir.filePath("r.csv"), 0};
    form->Button1->click();
    EXPECT_TRUE(ReadFile(dir.filePath("r.csv")).contains("\n0,999\r\n"))
        << ReadFile(dir.filePath("r.csv")).constData();
}

// A text the grid refuses stops the action, keeps the text in its cell and is told once; a
// measured result is still recorded, the refused text dropped.
TEST_F(PendingEdit, ARefusedTextStopsTheActionButNotARecordedResult) {
    TypeOverFirstTime("abc");
    fakes.files.saveAnswer = platform::FileAnswer{dir.filePath("r.csv"), 0};
    // As a click does, the button takes the focus first and the editor commits as it loses it.
    form->Button1->setFocus();
    form->Button1->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(dir.filePath("r.csv")));
    EXPECT_EQ(errors, QStringList{"'abc' is not a valid floating point value."});
    ASSERT_NE(form->DBGrid1->OpenEditor(), nullptr);
    EXPECT_EQ(form->DBGrid1->OpenEditor()->text(), "abc");
    EXPECT_EQ(Y(0), 200);

    RunTrialWithResponseAfter(300);
    EXPECT_EQ(form->Series0.PointCount(), 3);
    EXPECT_EQ(Y(2), 300);
    EXPECT_EQ(Y(0), 200);
    EXPECT_EQ(Results().State(), dsBrowse);
}

TEST_F(PendingEdit, ClosingPostsTheEditOrAsksBeforeDroppingARefusedOne) {
    TypeOverFirstTime("999");
    QCloseEvent accepted;
    QCoreApplication::sendEvent(form.get(), &accepted);
    EXPECT_TRUE(accepted.isAccepted());
    EXPECT_EQ(Y(0), 999);
    EXPECT_TRUE(questions.isEmpty());

    SelectCell(Grid(), 1, 1);
    Type("x");
    answer = false;
    QCloseEvent kept;
    QCoreApplication::sendEvent(form.get(), &kept);
    EXPECT_FALSE(kept.isAccepted());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], "Izmena u tabeli nije prihvaćena. Zatvoriti program bez nje?");
    answer = true;
    QCloseEvent dropped;
    QCoreApplication::sendEvent(form.get(), &dropped);
    EXPECT_TRUE(dropped.isAccepted());
    EXPECT_EQ(Y(1), 210);
}

} // namespace
