#pragma once
// The small drawing of a label sheet in the template chooser: the sheet, every
// label of every grid in its shape, the chosen grid's labels filled.

#include "paper/labeltemplate.h"

#include <QWidget>

#include <optional>

class TemplateSheetView : public QWidget {
    Q_OBJECT
  public:
    explicit TemplateSheetView(QWidget* parent = nullptr);
    // Nothing: an empty view.
    void showSheet(const std::optional<LabelTemplate>& label, int grid);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<LabelTemplate> label_;
    int grid_ = 0;
};
