#include "paper/papercatalogue.h"

#include "paper/paperedit.h"
#include "paper/paperfile.h"

#include <QFile>

PaperCatalogue::PaperCatalogue(const QString& settingsFolder, QObject* parent)
    : QObject(parent), settingsFolder_(settingsFolder) {}

const PaperType* PaperCatalogue::format(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return &formats_[size_t(index)];
}

std::optional<LabelShape> PaperCatalogue::shape(int index) const {
    if (index < 0 || index >= count()) return std::nullopt;
    return shapes_[size_t(index)];
}

int PaperCatalogue::indexOf(const PaperType& paper) const {
    for (int index = 0; index < count(); ++index)
        if (sameNameAndGeometry(formats_[size_t(index)], paper)) return index;
    return -1;
}

void PaperCatalogue::load() {
    fileExisted_ = QFile::exists(paperFilePath(settingsFolder_));
    LoadEttTypes(formats_, settingsFolder_);
    shapes_ = readLabelShapesAt(settingsFolder_, formats_);
    emit changed();
}

bool PaperCatalogue::save() {
    if (!SaveEttTypes(formats_, settingsFolder_)) return false;
    fileExisted_ = true;
    // The shapes are a convenience: paper.dat is what counts.
    writeLabelShapesAt(settingsFolder_, formats_, shapes_);
    return true;
}

void PaperCatalogue::add(const PaperType& paper, const std::optional<LabelShape>& shape) {
    formats_.push_back(paper);
    shapes_.push_back(shape);
    emit changed();
}

void PaperCatalogue::replace(int index, const PaperType& paper, const std::optional<LabelShape>& shape) {
    if (index < 0 || index >= count()) return;
    formats_[size_t(index)] = paper;
    shapes_[size_t(index)] = shape;
    emit changed();
}

void PaperCatalogue::remove(int index) {
    if (index < 0 || index >= count()) return;
    removePaperType(formats_, index);
    shapes_.erase(shapes_.begin() + index);
    emit changed();
}

PaperCatalogue::FoundFormat PaperCatalogue::findOrAdd(const PaperType& paper,
                                                      const std::optional<LabelShape>& shape) {
    const int index = indexOf(paper);
    if (index >= 0) return {index, Found::InCatalogue};
    add(paper, shape);
    return {count() - 1, save() ? Found::Added : Found::AddedNotSaved};
}
