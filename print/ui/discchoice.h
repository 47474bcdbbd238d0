#pragma once
// "Auf CD/DVD drucken" on the "Drucken" page: whether the job prints onto a
// disc instead of label sheets, and which disc: one of the usual sizes or the
// user's own outer and inner diameter.

#include "paper/discformat.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

class DiscChoice : public QWidget {
    Q_OBJECT
  public:
    explicit DiscChoice(QWidget* parent = nullptr);

    QCheckBox* discCheck = nullptr;
    QComboBox* discCombo = nullptr; // the presets, then "Eigene Größe"
    QDoubleSpinBox* outerSpin = nullptr;
    QDoubleSpinBox* innerSpin = nullptr;

    // What the controls say: none while the check box is off.
    std::optional<DiscFormat> choice() const;
    // Shows the job's choice without sending `chosen`.
    void showChoice(const std::optional<DiscFormat>& disc);

  signals:
    void chosen(const std::optional<DiscFormat>& disc);

  private:
    void presetChosen(int index);
    void sizeTyped();
    void limitInner();
    void enableControls();
    int ownSizeIndex() const;
};
