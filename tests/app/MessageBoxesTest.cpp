// The program's message boxes show their text as typed: a quoted field holding markup is no
// link and no layout.
#include "SystemDialogs.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

const QString Markup = QStringLiteral("Red 2: \"<a href=\"http://x\">klik</a><b>\" nije broj.");

void ExpectPlain(const QMessageBox& box) {
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.text(), Markup);
    const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST(MessageBoxes, AnErrorIsPlainText) {
    ExpectPlain(*ErrorBox(Markup, nullptr));
}

TEST(MessageBoxes, AQuestionIsPlainText) {
    platform::Question question;
    question.text = Markup;
    ExpectPlain(*QuestionBox(question, nullptr));
}

} // namespace
