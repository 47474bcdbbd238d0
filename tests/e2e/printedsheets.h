#pragma once
// Shared by the end-to-end print tests: the main window printing through a
// real QPrinter, and the check of the resulting PDF against the layout.

#include "app/mainwindow.h"
#include "print/calibration.h"
#include "print/printer/qprintertarget.h"
#include "print/sheetlayout.h"
#include "support/fakedialogs.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

inline const QColor kLabelColour(200, 30, 60);

// The pages of a PDF file rasterised by pdftoppm at `dpi`; nothing when it fails.
std::optional<std::vector<QImage>> rasterisePdf(const QString& pdf, int dpi, const QString& workFolder);

// Runs a program and returns its standard output, or nothing when it could not
// run or failed; `error` then says why.
std::optional<QByteArray> runProgram(const QString& program, const QStringList& arguments,
                                     QString* error = nullptr);

class PrintedSheetsTest : public ::testing::Test {
  protected:
    ~PrintedSheetsTest() override;

    // The main window printing on `target`, with the 2 × 5 format of 90 × 55 mm
    // labels (margins 10 and 12, gaps 2 and 3) and a label in one colour; the
    // job is 10 copies after 3 used positions: two sheets.
    void createForm(std::unique_ptr<QPrinterTarget> target);
    // Checks every copy of the job (and the used positions) on the pages
    // rasterised at `rasterDpi`; `origin` is the printable area's corner on
    // the paper in points.
    void expectLabelsAtLayout(const std::vector<QImage>& pages, int rasterDpi, QPointF origin);
    // The same where `calibration` puts the labels, whatever the window holds.
    void expectLabelsAtLayout(const std::vector<QImage>& pages, int rasterDpi, QPointF origin,
                              const Calibration& calibration);

    QTemporaryDir work;
    FakeDialogs dialogs;
    std::unique_ptr<QPrinterTarget> target;
    std::unique_ptr<MainWindow> form;
};
