#include "support/mainformfixture.h"

#include <QTest>
#include <QWindow>

void MainFormTest::SetUp() {
    createForm();
}

void MainFormTest::createForm() {
    form.reset();
    AppEnvironment environment;
    environment.settingsFolder = programDir();
    environment.screen = ScreenFacts{96, 24};
    environment.dialogs = &dialogs;
    environment.printTarget = &printer;
    form = std::make_unique<TMainForm>(environment);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

QString MainFormTest::shownTitle() const {
    return form->windowHandle()->title();
}

void MainFormTest::TearDown() {
    // Destroyed without closing, so no closing question is asked.
    form.reset();
}
