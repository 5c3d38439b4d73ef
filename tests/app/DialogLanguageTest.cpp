// Qt's own dialogs speak the program's language: the buttons of the message boxes and the
// labels and buttons of the file dialog are Serbian.
#include "SystemDialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList ButtonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->isVisible() || !dialog.isVisible())
            texts << b->text();
    texts.sort();
    return texts;
}

struct BoxCase {
    const char* name;
    platform::Question::Answers answers;
    QStringList buttons;
};

class DialogLanguage : public testing::TestWithParam<BoxCase> {};

TEST_P(DialogLanguage, QuestionButtonsAreSerbian) {
    platform::Question question;
    question.text = QStringLiteral("Nastaviti?");
    question.answers = GetParam().answers;
    EXPECT_EQ(ButtonTexts(*QuestionBox(question, nullptr)), GetParam().buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogLanguage,
    testing::Values(BoxCase{"YesNo", platform::Question::Answers::YesNo, {"&Da", "&Ne"}},
                    BoxCase{
                        "OkCancel", platform::Question::Answers::OkCancel, {"Otkaži", "U redu"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialogLanguageOfErrors, ErrorBoxKeepsItsSingleButtonInSerbian) {
    EXPECT_EQ(ButtonTexts(*ErrorBox(QStringLiteral("Greška."), nullptr)), QStringList{"U redu"});
}

TEST(DialogLanguageOfFiles, SaveDialogLabelsAndButtonsAreSerbian) {
    QTemporaryDir dir;
    QFileDialog dialog(nullptr, QStringLiteral("Snimi rezultate"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    KeepFilesSafe(dialog);
    dialog.show();
    const auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Save)->text(), QStringLiteral("&Sačuvaj"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Otkaži"));
    QStringList labels;
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        labels << l->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("&Ime datoteke:")))
        << labels.join(u'|').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("Vrsta datoteka:")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Traži u:")));
}

} // namespace
