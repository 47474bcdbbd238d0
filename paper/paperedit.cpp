#include "paper/paperedit.h"

void applyDialogValues(PaperType& paper, const PaperDialogValues& values) {
    paper.LeftMargin = values.RLED;
    paper.TopMargin = values.ROED;
    paper.StepX = values.BrED + values.AHED;
    paper.StepY = values.HoED + values.AVED;
    paper.LabelWidth = values.BrED;
    paper.LabelHeight = values.HoED;
    paper.CountX = values.AnzHED;
    paper.CountY = values.AnzVED;
    paper.setName(values.NameED);
}

PaperDialogValues dialogValuesOf(const PaperType& paper) {
    PaperDialogValues values;
    values.RLED = paper.LeftMargin;
    values.ROED = paper.TopMargin;
    values.AHED = paper.StepX - paper.LabelWidth;
    values.AVED = paper.StepY - paper.LabelHeight;
    values.BrED = paper.LabelWidth;
    values.HoED = paper.LabelHeight;
    values.AnzHED = paper.CountX;
    values.AnzVED = paper.CountY;
    values.NameED = paper.displayName();
    return values;
}

QString proposedPaperName(int entries) {
    return QStringLiteral("Kein Name") + QString::number(entries);
}

void removePaperType(std::vector<PaperType>& EttTypes, int index) {
    if (index < 0 || size_t(index) >= EttTypes.size()) return;
    EttTypes.erase(EttTypes.begin() + index);
    if (EttTypes.empty()) EttTypes.shrink_to_fit();
}
