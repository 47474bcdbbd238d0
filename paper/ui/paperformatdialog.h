#pragma once
// PaperFormatDialog, "Papierformat bearbeiten": the dialog for one paper format.
// It is made once with the application and reused, so every field keeps the
// value of its last use. It checks nothing beyond its spin-edit ranges.
// "Vorlage…" fills the fields from an installed label template and remembers
// the template's label shape; the fields stay editable.

#include "paper/labelshape.h"
#include "paper/paperedit.h"

#include <QDialog>

#include <optional>

class Dialogs;
struct TemplateFormat;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class PaperFormatDialog : public QDialog {
    Q_OBJECT
  public:
    // The template chooser runs modally through `dialogs`.
    explicit PaperFormatDialog(Dialogs& dialogs, QWidget* parent = nullptr);

    QLineEdit* nameEdit = nullptr;
    QDoubleSpinBox* leftMarginSpin = nullptr;
    QDoubleSpinBox* topMarginSpin = nullptr;
    QDoubleSpinBox* labelWidthSpin = nullptr;
    QDoubleSpinBox* labelHeightSpin = nullptr;
    QDoubleSpinBox* pitchXSpin = nullptr;
    QDoubleSpinBox* pitchYSpin = nullptr;
    QSpinBox* columnsSpin = nullptr;
    QSpinBox* rowsSpin = nullptr;
    QPushButton* templateButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    PaperDialogValues values() const;
    void setValues(const PaperDialogValues& values);

    // The label shape the fields came with: the chosen template's, or the edited format's.
    const std::optional<LabelShape>& shape() const { return shape_; }
    void setShape(const std::optional<LabelShape>& shape) { shape_ = shape; }
    // The fields and the shape of `format`.
    void fillFromTemplate(const TemplateFormat& format);

    void acceptValues();
    void chooseTemplate();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Dialogs& dialogs_;
    std::optional<LabelShape> shape_;
};
