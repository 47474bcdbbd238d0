#pragma once
// The paper format catalogue the program offers: the formats of paper.dat in
// its order, kept in the settings folder, with the label shapes of formats made
// from label templates (labelshapes.dat beside it). The "Zentrieren" page shows
// and edits it; whoever shows it repaints on `changed`.

#include "paper/labelshapefile.h"
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
    // Its label shape; nothing outside the catalogue or for a format without one.
    std::optional<LabelShape> shape(int index) const;
    // The first format with the name and geometry of `paper`; -1 when there is none.
    int indexOf(const PaperType& paper) const;
    // Whether paper.dat existed when the catalogue was last read.
    bool fileExisted() const { return fileExisted_; }

    // Reads paper.dat and the shapes; a missing or foreign file leaves the catalogue as it is.
    void load();
    // Writes paper.dat and the shapes; false when paper.dat could not be replaced (the old file stays).
    bool save();

    void add(const PaperType& paper, const std::optional<LabelShape>& shape = std::nullopt);

    // How findOrAdd found a format.
    enum class Found { InCatalogue, Added, AddedNotSaved };
    struct FoundFormat {
        int index = -1;
        Found how = Found::InCatalogue;
    };
    // The format with the name and geometry of `paper` (a job's saved format);
    // one the catalogue lacks is added with `shape` and saved, as a new format is.
    FoundFormat findOrAdd(const PaperType& paper, const std::optional<LabelShape>& shape);
    void replace(int index, const PaperType& paper, const std::optional<LabelShape>& shape = std::nullopt);
    void remove(int index);

  signals:
    void changed();

  private:
    QString settingsFolder_;
    std::vector<PaperType> formats_;
    FormatShapes shapes_; // one per format
    bool fileExisted_ = false;
};
