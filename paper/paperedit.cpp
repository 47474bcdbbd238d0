#include "paper/paperedit.h"

#include <QCoreApplication>

void applyDialogValues(PaperType& paper, const PaperDialogValues& values) {
    paper.LeftMargin = values.leftMargin;
    paper.TopMargin = values.topMargin;
    paper.StepX = values.labelWidth + values.pitchX;
    paper.StepY = values.labelHeight + values.pitchY;
    paper.LabelWidth = values.labelWidth;
    paper.LabelHeight = values.labelHeight;
    paper.CountX = values.columns;
    paper.CountY = values.rows;
    paper.setName(values.nameEdit);
}

PaperDialogValues dialogValuesOf(const PaperType& paper) {
    PaperDialogValues values;
    values.leftMargin = paper.LeftMargin;
    values.topMargin = paper.TopMargin;
    values.pitchX = paper.StepX - paper.LabelWidth;
    values.pitchY = paper.StepY - paper.LabelHeight;
    values.labelWidth = paper.LabelWidth;
    values.labelHeight = paper.LabelHeight;
    values.columns = paper.CountX;
    values.rows = paper.CountY;
    values.nameEdit = paper.displayName();
    return values;
}

QString unnamedPaperName() {
    return QCoreApplication::translate("PaperEdit", "Kein Name");
}

QString proposedPaperName(int entries) {
    return unnamedPaperName() + QString::number(entries);
}

void removePaperType(std::vector<PaperType>& EttTypes, int index) {
    if (index < 0 || size_t(index) >= EttTypes.size()) return;
    EttTypes.erase(EttTypes.begin() + index);
    if (EttTypes.empty()) EttTypes.shrink_to_fit();
}
