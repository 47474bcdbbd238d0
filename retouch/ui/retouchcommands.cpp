// The commands of the "Retusche" menu: brightness and contrast, quarter turns,
// mirrors and the crop.

#include "widgets/dialogs.h"
#include "app/mainform.h"
#include "retouch/cropimage.h"
#include "retouch/ui/brightnesscontrastdialog.h"
#include "retouch/quarterturns.h"
#include "retouch/ui/retouchpage.h"

void RetouchPage::HellpBtnClick() {
    THKForm2 dialog(this);
    DibImage backup = form_.currentImage.clone();
    if (backup.isNull()) {
        form_.dialogs().message(QStringLiteral("Fehler: Konnte Bild nicht erstellen! (Zuwenig Speicher?)"),
                                QString(), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    dialog.setImages(
        &form_.currentImage, &backup, [this] { RetuschPaintPaint(); }, progress());
    if (form_.dialogs().runModal(dialog) != QDialog::Accepted) form_.currentImage = std::move(backup);
    RetuschPaintPaint();
}

void RetouchPage::RotLeftBtnClick() {
    if (!replaceImage(rotateLeft(form_.currentImage, progress()))) return;
    setRegion({0, 0, form_.currentImage.width(), form_.currentImage.height()});
    RetuschPaintPaint();
}

void RetouchPage::RotRightBtnClick() {
    if (!replaceImage(rotateRight(form_.currentImage, progress()))) return;
    setRegion({0, 0, form_.currentImage.width(), form_.currentImage.height()});
    RetuschPaintPaint();
}

// The marked region keeps its coordinates under the mirrors.
void RetouchPage::FlipHBtnClick() {
    if (replaceImage(mirrorLeftRight(form_.currentImage, progress()))) RetuschPaintPaint();
}

void RetouchPage::FlipVBtnClick() {
    if (replaceImage(mirrorTopBottom(form_.currentImage, progress()))) RetuschPaintPaint();
}

void RetouchPage::SchnittBtnClick() {
    const PixelRegion wanted = region();
    if (wanted.left == wanted.right || wanted.top == wanted.bottom) {
        form_.dialogs().message(QStringLiteral("Sie müssen zuerst einen Bereich mit der Maus aufziehen!"),
                                QStringLiteral("Fehler"), MsgButtons::Ok, MsgIcon::Error);
        form_.SetProSatus(0);
        return;
    }
    if (!replaceImage(cropImage(form_.currentImage, wanted, progress()))) return;
    setRegion({0, 0, form_.currentImage.width(), form_.currentImage.height()});
    RetuschPaintPaint();
}
