#include "raster/ui/scanpage.h"

#include "document/coverjob.h"
#include "document/imagestep.h"
#include "raster/imagefile.h"
#include "raster/scanchoices.h"
#include "raster/ui/scancommands.h"
#include "raster/ui/scanview.h"
#include "retouch/autocrop.h"
#include "widgets/controls.h"
#include "widgets/dialogs.h"
#include "widgets/imagebutton.h"
#include "widgets/scrollbox.h"
#include "widgets/shell.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

ScanPage::ScanPage(CoverJob& job, Shell& shell)
    : PageFrame(tr("Motiv einscannen - Scanner wählen und auf \"Go scan!\" klicken"),
                tr("Label oder Cover scannen"), QStringLiteral("page-scan")),
      job_(job), shell_(shell) {
    setObjectName(QStringLiteral("ScanSheet"));
    scanButton =
        new ImageButton(QStringLiteral("scanButton"), QStringLiteral("scanButtonDown"),
                        tr("Klicken Sie hier, um das Benutzerinterface des Gerätes zu starten"), leftPanel());
    scannerButton = new ImageButton(
        QStringLiteral("scannerButton"), QStringLiteral("scannerButtonDown"),
        tr("Klicken Sie hier, um das Gerät zu wählen, von dem das Bild geholt werden soll"), leftPanel());
    leftControls()->addWidget(scanButton, 0, Qt::AlignHCenter);
    leftControls()->addWidget(scannerButton, 0, Qt::AlignHCenter);

    openImageButton = new QPushButton(tr("Bild öffnen..."), leftPanel());
    openImageButton->setObjectName(QStringLiteral("openImageButton"));
    saveImageButton = new QPushButton(tr("Bild speichern..."), leftPanel());
    saveImageButton->setObjectName(QStringLiteral("saveImageButton"));
    leftControls()->addWidget(openImageButton);
    leftControls()->addWidget(saveImageButton);
    autoCropCheck = addWrappingCheckBox(leftControls(), "autoCropCheck",
                                        tr("Nach dem Scannen automatisch zuschneiden"), leftPanel());
    autoCropCheck->setToolTip(tr("Sucht nach dem Scannen die CD oder das Cover auf dem Bild und "
                                 "schneidet es gerade aus"));
    autoCropCheck->setChecked(readScanChoices(shell_.settingsFolder()).autoCropAfterScan);
    connect(autoCropCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (!writeScanChoices(shell_.settingsFolder(), ScanChoices{on}))
            shell_.showStatus(tr("Die Einstellung konnte nicht gespeichert werden."));
    });

    zoomSpin = makeSpinEdit("zoomSpin", 10, 500, 10, 100, leftPanel());
    addLabelledRow(leftControls(), tr("Zoom:"), zoomSpin, QStringLiteral("%"));
    connect(zoomSpin, &QSpinBox::valueChanged, this, &ScanPage::zoomChanged);

    auto* contentLayout = new QVBoxLayout(content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    scanScroll = new ScrollBox(content());
    scanScroll->setObjectName(QStringLiteral("scanScroll"));
    scanView = new ScanView(job_, shell_, *scanScroll);
    scanView->setObjectName(QStringLiteral("scanView"));
    contentLayout->addWidget(scanScroll);

    connect(scannerButton, &ImageButton::clicked, this, &ScanPage::selectScanner);
    connect(scanButton, &ImageButton::clicked, this, &ScanPage::scan);
    connect(openImageButton, &QPushButton::clicked, this, &ScanPage::openImage);
    connect(saveImageButton, &QPushButton::clicked, this, &ScanPage::saveImage);
    connect(&scanner_, &ScannerSession::progressChanged, this,
            [this](int percent) { shell_.showProgress(percent); });
    connect(&scanner_, &ScannerSession::imageScanned, this, &ScanPage::takeScannedImage);
    connect(&scanner_, &ScannerSession::scanFailed, this, &ScanPage::tellScanFailure);
}

void ScanPage::selectScanner() {
    chooseScanner(scanner_, shell_.dialogs(), window());
}

void ScanPage::scan() {
    askOptionsAndStartScan(scanner_, shell_.dialogs(), window(), shell_.imageLimits());
}

void ScanPage::takeScannedImage(const ScannedImage& image) {
    if (!image || image->isNull()) return;
    receiveImage(std::move(*image), Arrival::Scanned);
    if (autoCropCheck->isChecked()) autoCropScan();
}

void ScanPage::autoCropScan() {
    const auto progress = [this](int percent) { shell_.showProgress(percent); };
    const FoundObject found = findObject(job_.image(), shell_.imageLimits(), progress);
    // Otherwise the whole scan stays; the user may cut it by hand.
    if (!found.found()) {
        shell_.showStatus(nothingFoundMessage());
        return;
    }
    DibImage cut = cutOutObject(job_.image(), found, shell_.imageLimits(), progress);
    if (cut.isNull()) {
        shell_.showStatus(tr("Für das Zuschneiden ist nicht genug Speicher frei."));
        return;
    }
    replaceImageAsStep(job_, tr("Automatisch zuschneiden"), std::move(cut), true);
}

void ScanPage::tellScanFailure(const QString& text) {
    shell_.dialogs().message(text, tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
}

void ScanPage::receiveImage(DibImage&& image, Arrival arrival) {
    if (image.isNull()) return;
    const QString stepName = arrival == Arrival::Scanned ? tr("Scannen") : tr("Bild öffnen");
    replaceImageAsStep(job_, stepName, std::move(image), true);
}

void ScanPage::openImage() {
    FileRequest request;
    request.caption = tr("Bild öffnen");
    request.filter = GetDIBOpenFilter();
    request.mustExist = true;
    const std::optional<FileAnswer> answer = shell_.dialogs().openFile(request);
    if (!answer) return;
    ImageFileRead read = readImageFile(answer->path, shell_.imageLimits());
    if (read.image.isNull())
        shell_.dialogs().message(
            imageReadFailureText(QFileInfo(answer->path).fileName(), read, shell_.imageLimits()),
            tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
    else
        receiveImage(std::move(read.image));
}

void ScanPage::saveImage() {
    FileRequest request;
    request.caption = tr("Bild speichern");
    request.filter = GetDIBSaveFilter();
    const std::optional<FileAnswer> answer = shell_.dialogs().saveFile(request);
    if (!answer) return;
    // The format follows the chosen filter, whatever extension was typed.
    const QString fileName = withDefaultExtension(answer->path, answer->filterIndex);
    SaveDib(job_.image(), fileName, formatNumberOfFilter(answer->filterIndex), shell_.dialogs(),
            shell_.imageLimits());
}

void ScanPage::zoomChanged() {
    scanView->setZoom(zoomSpin->value());
}
