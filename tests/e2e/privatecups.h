#pragma once
// The end-to-end print tests' own CUPS: a private scheduler (private-cups.sh)
// with cups-pdf queues, the first of them the default printer.

#include "printedsheets.h"

#include <QStringList>

inline const QString kQueue = QStringLiteral("cdcovertest");

class PrivateCupsTest : public PrintedSheetsTest {
  protected:
    explicit PrivateCupsTest(QStringList queues = {kQueue}) : queues_(std::move(queues)) {}
    void SetUp() override;
    void TearDown() override;

    // The PDF cups-pdf wrote, once it is complete, moved out of cups-pdf's
    // folder under `name` in the work folder, so that the next job's PDF is
    // told apart; empty when none came.
    QString takeOutput(const QString& name);
    // The scheduler's and cups-pdf's logs, for a failure message.
    QString schedulerLog() const;
    // Where the private scheduler keeps its configuration, spool and output.
    QString cupsFolder() const { return cupsFolder_; }

  private:
    QStringList queues_;
    QString cupsFolder_;
    bool started_ = false;
};
