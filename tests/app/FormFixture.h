#pragma once

#include "Application.h"
#include "Button.h"
#include "FakeCycleCounter.h"
#include "MainForm.h"
#include "Panel.h"
#include "WindowTimer.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The main window on fake services, shown and active.
struct FormFixture : ::testing::Test {
    platform::FakePlatform fakes;
    FakeCycleCounter cycles{fakes.clock};
    ProcessorClock processorClock{fakes.clock, fakes.clock, fakes.priority, fakes.registry, cycles};
    std::unique_ptr<TMainForm> form;
    // The error boxes shown and the questions asked, answered with `answer`.
    QStringList& errors = fakes.errors.shown;
    QStringList& questions = fakes.questions.asked;
    bool& answer = fakes.questions.answer;

    void SetUp() override {
        Application()->SetErrorDisplay(&fakes.errors);
        form = std::make_unique<TMainForm>(fakes.AsServices(), processorClock);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override { Application()->SetErrorDisplay(nullptr); }

    static TApplication* Application() { return static_cast<TApplication*>(qApp); }

    QStringList MemoLines() const { return form->Memo1->toPlainText().split(u'\n'); }

    // A tick of RTimer as the event loop delivers it.
    void Tick() { form->RTimer->Tick(); }

    void Press(Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(form->RPanel, button, {}, QPoint(50, 50));
        QTest::mouseRelease(form->RPanel, button, {}, QPoint(50, 50));
    }

    // Starts a trial and lets the response come `ms` after the arming.
    void RunTrialWithResponseAfter(double ms) {
        form->KreniButtonClick();
        Tick();
        fakes.clock.AdvanceMs(ms);
        Press();
    }

    // Results as the grids hold them, whatever their value, as if typed in.
    void SetResults(std::initializer_list<double> times) {
        form->Series0.RemoveAllPoints();
        for (double ms : times)
            form->Series0.AddValue(ms);
        form->Series0DataSet.Close();
        form->Series0DataSet.Open();
    }
};
