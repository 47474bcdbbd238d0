// The "Effekte" menu: the filters of the table, each applied to a 24-bit image
// and kept or discarded on the user's word.

#include "document/coverjob.h"
#include "document/imagestep.h"
#include "retouch/colordepth.h"
#include "retouch/dibfilter.h"
#include "retouch/ui/retouchpage.h"
#include "widgets/dialogs.h"
#include "widgets/shell.h"

#include <QMenu>

void RetouchPage::buildEffectMenu() {
    for (const EffectFilter& entry : effectTable()) {
        QAction* item = effectsMenu->addAction(effectName(entry));
        connect(item, &QAction::triggered, this, [this, item] { applyEffect(item); });
    }
}

// The pixels before the filter, for undo: the bordered copy written back into
// a copy of the filtered image.
void RetouchPage::recordKeptFilter(const QString& stepName, const DibImage& borderedCopy) {
    DibImage before = job_.image().clone(shell_.imageLimits());
    if (!before.isNull()) restoreFromBorderedCopy(before, borderedCopy);
    recordImageEdit(job_, stepName, std::move(before), job_.region());
}

void RetouchPage::applyEffect(QAction* Sender) {
    const int index = int(effectsMenu->actions().indexOf(Sender));
    if (index < 0 || index >= kEffectCount) return;
    Dialogs& dialogs = shell_.dialogs();
    if (job_.image().hasPalette()) {
        const MsgAnswer answer = dialogs.message(
            tr("Für diese Aktion muß die Farbtiefe des Bildes auf 16,7 Millionen Farben hochgerechnet "
               "werden, dadurch erhöhert sich der Speicherbedarf. Wollen Sie fortfahren?"),
            tr("Farbtiefe anpassen?"), MsgButtons::YesNo, MsgIcon::Question);
        if (answer != MsgAnswer::Yes) return;
        replaceImage(DepthUpTo(job_.image(), 24, shell_.imageLimits(), progress()), RegionAfter::Kept,
                     tr("Farbtiefe anpassen"));
        if (job_.image().hasPalette()) {
            dialogs.message(tr("Die Farbtiefe konnte nicht hochgerechnet werden (Speichermangel?)."),
                            tr("Fehler"), MsgButtons::Ok, MsgIcon::Error);
            return;
        }
    }

    DibImage previous; // the bordered copy of the pixels before the filter
    const FilterOutcome outcome = DibFilter(job_.editableImage(), TransposeKernel(effectTable()[index]),
                                            previous, shell_.imageLimits(), progress());
    if (outcome == FilterOutcome::OutOfMemory) {
        dialogs.message(tr("Fehler: Nicht genügent Speicher für diese Aktion!"), tr("Fehler"), MsgButtons::Ok,
                        MsgIcon::Error);
    } else if (outcome == FilterOutcome::Filtered) {
        // The result is on the screen while the question is asked.
        job_.imageEdited();
        const MsgAnswer keep =
            dialogs.message(tr("Wollen Sie das Ergebnis bebehalten?"), tr("Ist das Ergebnis Ok?"),
                            MsgButtons::YesNo, MsgIcon::Question);
        if (keep == MsgAnswer::No)
            restoreFromBorderedCopy(job_.editableImage(), previous, progress());
        else
            recordKeptFilter(effectName(effectTable()[index]), previous);
        releaseImage(previous);
        shell_.showProgress(0);
        job_.imageEdited();
    }
}
