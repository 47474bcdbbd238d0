#pragma once
// The real main window, built offscreen with a temporary program directory,
// scripted dialogs, a page recorder as printer (600 dpi, A4) and a 96-dpi
// 24-bit screen.

#include "app/mainwindow.h"
#include "support/fakedialogs.h"
#include "support/pagerecorder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window; SetUp calls it, tests that prepare files first call it again.
    void createForm();
    QString programDir() const { return programDir_.path() + QLatin1Char('/'); }
    // The window's title as the window system shows it, "*" of unsaved changes included.
    QString shownTitle() const;

    QTemporaryDir programDir_;
    FakeDialogs dialogs;
    PageRecorder printer{600, 600, PageRecorder::a4Pixels(600, 600)};
    std::unique_ptr<MainWindow> form;
};
