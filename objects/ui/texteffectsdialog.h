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

    QCheckBox* UmrCheck = nullptr;
    QPushButton* BitBtn1 = nullptr; // outline colour
    QCheckBox* SchattCheck = nullptr;
    QPushButton* BitBtn2 = nullptr; // shadow colour
    QSpinBox* SchattED1 = nullptr;  // to the right
    QSpinBox* SchattEd2 = nullptr;  // downwards
    QPushButton* BitBtn3 = nullptr; // OK
    QPushButton* BitBtn4 = nullptr; // Cancel

    // Fills the controls and the dialog's two colours from `effects`.
    void prime(const TextEffects& effects);
    // What the controls and the two colours hold now.
    TextEffects effects() const;

    void BitBtn1Click();
    void BitBtn2Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Dialogs& dialogs_;
    ColorRef outlineColor_ = 0;
    ColorRef shadowColor_ = 0;
};
