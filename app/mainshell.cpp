#include "app/mainshell.h"

#include "widgets/progresspanel.h"

#include <QLabel>

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

void MainShell::attachStatusBar(QLabel* textPanel, ProgressPanel* progressPanel) {
    textPanel_ = textPanel;
    progressPanel_ = progressPanel;
}

// A value going down redraws the panel from empty; going up extends the bar
// without clearing it.
void MainShell::showProgress(int percent) {
    if (!progressPanel_) {
        progress_.set(percent);
        return;
    }
    if (progress_.set(percent))
        progressPanel_->repaintWhole();
    else
        progressPanel_->paintMore();
}

void MainShell::showStatus(const QString& text) {
    if (!textPanel_) return;
    textPanel_->setText(text);
    // The panel is narrow; the tip shows a long line whole.
    textPanel_->setToolTip(text);
}
