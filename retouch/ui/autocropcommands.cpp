// The commands of the "Retusche" menu that work out where things lie:
// "Automatisch zuschneiden" and "Drehen um Winkel...".

#include "document/coverjob.h"
#include "document/imagestep.h"
#include "retouch/autocrop.h"
#include "retouch/turnimage.h"
#include "retouch/ui/retouchpage.h"
#include "retouch/ui/turndialog.h"
#include "widgets/dialogs.h"
#include "widgets/shell.h"

#include <optional>

namespace {

QString outOfMemoryText() {
    return RetouchPage::tr("Fehler: Konnte Bild nicht erstellen! (Zuwenig Speicher?)");
}

} // namespace

void RetouchPage::autoCrop() {
    const FoundObject found = findObject(job_.image(), shell_.imageLimits(), progress());
    if (!found.found()) {
        shell_.dialogs().message(nothingFoundMessage(), tr("Automatisch zuschneiden"), MsgButtons::Ok,
                                 MsgIcon::Information);
        return;
    }
    if (!replaceImage(cutOutObject(job_.image(), found, shell_.imageLimits(), progress()),
                      RegionAfter::WholeImage, tr("Automatisch zuschneiden")))
        shell_.dialogs().message(outOfMemoryText(), QString(), MsgButtons::Ok, MsgIcon::Error);
}

void RetouchPage::turnByAngle() {
    // While the dialog is open the job shows the preview; the image as it was
    // waits here from the first preview on.
    std::optional<DibImage> original;
    const MarkedRegion regionBefore = job_.region();
    double shownDegrees = 0;
    const auto show = [&](double degrees) {
        DibImage turned =
            turnImage(original ? *original : job_.image(), degrees, shell_.imageLimits(), progress());
        if (turned.isNull()) return false;
        if (original)
            job_.replaceImage(std::move(turned));
        else
            original = job_.exchangeImage(std::move(turned));
        job_.markWholeImage();
        shownDegrees = degrees;
        return true;
    };
    TurnDialog dialog([&](double degrees) { show(degrees); }, this);
    const bool accepted = shell_.dialogs().runModal(dialog) == QDialog::Accepted;
    const bool wanted = accepted && dialog.degrees() != 0;
    // The last angle typed may not have been shown yet.
    const bool ready = wanted && (shownDegrees == dialog.degrees() || show(dialog.degrees()));
    if (wanted && !ready)
        shell_.dialogs().message(outOfMemoryText(), QString(), MsgButtons::Ok, MsgIcon::Error);
    if (!original) return;
    DibImage shown = job_.exchangeImage(std::move(*original));
    job_.setRegion(regionBefore);
    if (ready) replaceImageAsStep(job_, tr("Drehen um Winkel"), std::move(shown), true);
}
