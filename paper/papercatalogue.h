#pragma once
// The paper format catalogue the program offers: the formats of paper.dat in
// its order, kept in the settings folder. The "Zentrieren" page shows and edits
// it; whoever shows it repaints on `changed`.

#include "paper/papertype.h"

#include <QObject>
#include <QString>

#include <vector>

class PaperCatalogue : public QObject {
    Q_OBJECT
  public:
    // `settingsFolder` ends with '/'.
    explicit PaperCatalogue(const QString& settingsFolder, QObject* parent = nullptr);

    const std::vector<PaperType>& formats() const { return formats_; }
    int count() const { return int(formats_.size()); }
    // The format at `index`; null outside the catalogue.
    const PaperType* format(int index) const;

    // Reads paper.dat; a missing or foreign file leaves the catalogue as it is.
    void load();
    // Writes paper.dat; false when it could not be replaced (the old file stays).
    bool save() const;

    void add(const PaperType& paper);
    void replace(int index, const PaperType& paper);
    void remove(int index);

  signals:
    void changed();

  private:
    QString settingsFolder_;
    std::vector<PaperType> formats_;
};
