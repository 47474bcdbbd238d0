#pragma once
// "Effekte": outline and shadow of a text object, their colours and the
// shadow's offsets in image pixels.

#include "objects/textobject.h"

#include <QDialog>

class Dialogs;
class QCheckBox;
class QPushButton;
class QSpinBox;

class TextEffectsDialog : public QDialog {
    Q_OBJECT
  public:
    TextEffectsDialog(Dialogs& dialogs, QWidget* parent = nullptr);

    QCheckBox* outlineCheck = nullptr;
    QPushButton* outlineColorButton = nullptr; // outline colour
    QCheckBox* shadowCheck = nullptr;
    QPushButton* shadowColorButton = nullptr; // shadow colour
    QSpinBox* shadowRightSpin = nullptr;      // to the right
    QSpinBox* shadowDownSpin = nullptr;       // downwards
    QPushButton* okButton = nullptr;          // OK
    QPushButton* cancelButton = nullptr;      // Cancel

    // Fills the controls and the dialog's two colours from `effects`.
    void prime(const TextEffects& effects);
    // What the controls and the two colours hold now.
    TextEffects effects() const;

    void chooseOutlineColor();
    void chooseShadowColor();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Dialogs& dialogs_;
    ColorRef outlineColor_ = 0;
    ColorRef shadowColor_ = 0;
};
