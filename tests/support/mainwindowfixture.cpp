#include "support/mainwindowfixture.h"

#include <QTest>
#include <QWindow>

void MainWindowTest::SetUp() {
    createForm();
}

void MainWindowTest::createForm() {
    form.reset();
    AppEnvironment environment;
    environment.settingsFolder = programDir();
    environment.screen = ScreenFacts{96, 24};
    environment.dialogs = &dialogs;
    environment.printTarget = &printer;
    form = std::make_unique<MainWindow>(environment);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

QString MainWindowTest::shownTitle() const {
    return form->windowHandle()->title();
}

void MainWindowTest::TearDown() {
    // Destroyed without closing, so no closing question is asked.
    form.reset();
}
