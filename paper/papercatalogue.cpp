#include "paper/papercatalogue.h"

#include "paper/paperedit.h"
#include "paper/paperfile.h"

PaperCatalogue::PaperCatalogue(const QString& settingsFolder, QObject* parent)
    : QObject(parent), settingsFolder_(settingsFolder) {}

const PaperType* PaperCatalogue::format(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return &formats_[size_t(index)];
}

void PaperCatalogue::load() {
    LoadEttTypes(formats_, settingsFolder_);
    emit changed();
}

bool PaperCatalogue::save() const {
    return SaveEttTypes(formats_, settingsFolder_);
}

void PaperCatalogue::add(const PaperType& paper) {
    formats_.push_back(paper);
    emit changed();
}

void PaperCatalogue::replace(int index, const PaperType& paper) {
    if (index < 0 || index >= count()) return;
    formats_[size_t(index)] = paper;
    emit changed();
}

void PaperCatalogue::remove(int index) {
    removePaperType(formats_, index);
    emit changed();
}
