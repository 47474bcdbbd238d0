#include "app/mainshell.h"

#include <QLabel>
#include <QProgressBar>

namespace {
QString withSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}
} // namespace

MainShell::MainShell(const AppEnvironment& environment)
    : settingsFolder_(withSeparator(environment.settingsFolder)), dialogs_(environment.dialogs),
      printTarget_(environment.printTarget), screen_(environment.screen),
      imageLimits_(environment.imageLimits), catalogue_(settingsFolder_), calibrations_(settingsFolder_) {}

void MainShell::attachStatusBar(QLabel* textPanel, QProgressBar* progressBar) {
    textPanel_ = textPanel;
    progressBar_ = progressBar;
    progressBar_->setValue(progress_);
}

// The bar repaints at once when what it shows changes, so long operations show
// their progress without returning to the event loop.
void MainShell::showProgress(int percent) {
    progress_ = percent;
    if (progressBar_) progressBar_->setValue(percent);
    emit progressShown(percent);
}

void MainShell::showStatus(const QString& text) {
    if (!textPanel_) return;
    textPanel_->setText(text);
    // The panel is narrow; the tip shows a long line whole.
    textPanel_->setToolTip(text);
}

QString MainShell::status() const {
    return textPanel_ ? textPanel_->text() : QString();
}
