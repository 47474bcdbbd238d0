// The commands of the "Retusche" menu: brightness and contrast, quarter turns,
// mirrors and the crop.

#include "document/coverjob.h"
#include "document/imagestep.h"
#include "retouch/cropimage.h"
#include "retouch/quarterturns.h"
#include "retouch/ui/brightnesscontrastdialog.h"
#include "retouch/ui/retouchpage.h"
#include "widgets/dialogs.h"
#include "widgets/shell.h"

void RetouchPage::adjustBrightness() {
    BrightnessContrastDialog dialog(this);
    DibImage backup = job_.image().clone(shell_.imageLimits());
    if (backup.isNull()) {
        shell_.dialogs().message(tr("Fehler: Konnte Bild nicht erstellen! (Zuwenig Speicher?)"), QString(),
                                 MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    // The dialog changes the image in place for its preview.
    dialog.setImages(
        &job_.editableImage(), &backup, [this] { job_.imageEdited(); }, progress(), shell_.imageLimits());
    if (shell_.dialogs().runModal(dialog) != QDialog::Accepted) {
        job_.replaceImage(std::move(backup));
    } else {
        job_.imageEdited();
        // The untouched copy is what undo gives back.
        recordImageEdit(job_, tr("Helligkeit und Kontrast"), std::move(backup), job_.region());
    }
}

void RetouchPage::rotateLeft() {
    replaceImage(::rotateLeft(job_.image(), shell_.imageLimits(), progress()), RegionAfter::WholeImage,
                 tr("90° nach links rotieren"));
}

void RetouchPage::rotateRight() {
    replaceImage(::rotateRight(job_.image(), shell_.imageLimits(), progress()), RegionAfter::WholeImage,
                 tr("90° nach rechts rotieren"));
}

// The marked region keeps its coordinates under the mirrors.
void RetouchPage::flipHorizontally() {
    replaceImage(mirrorLeftRight(job_.image(), shell_.imageLimits(), progress()), RegionAfter::Kept,
                 tr("Horizontal spiegeln"));
}

void RetouchPage::flipVertically() {
    replaceImage(mirrorTopBottom(job_.image(), shell_.imageLimits(), progress()), RegionAfter::Kept,
                 tr("Vertikal spiegeln"));
}

void RetouchPage::crop() {
    const MarkedRegion& marked = job_.region();
    const PixelRegion wanted{marked.left, marked.top, marked.right, marked.bottom};
    if (wanted.left == wanted.right || wanted.top == wanted.bottom) {
        shell_.dialogs().message(tr("Sie müssen zuerst einen Bereich mit der Maus aufziehen!"), tr("Fehler"),
                                 MsgButtons::Ok, MsgIcon::Error);
        shell_.showProgress(0);
        return;
    }
    replaceImage(cropImage(job_.image(), wanted, shell_.imageLimits(), progress()), RegionAfter::WholeImage,
                 tr("Zuschneiden"));
}
