#pragma once
// TemplateChooser, "Etikettenvorlage wählen": the installed label templates to
// pick a sheet from. A search field over brand, part and description, a filter
// for CD/DVD labels, one row per paper format (a sheet with several grids has a
// row per grid) and a drawing of the chosen sheet.

#include "paper/templatedatabase.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TemplateSheetView;

class TemplateChooser : public QDialog {
    Q_OBJECT
  public:
    explicit TemplateChooser(TemplateDatabase database, QWidget* parent = nullptr);

    QLineEdit* searchEdit = nullptr;
    QCheckBox* discOnlyCheck = nullptr;
    QTreeWidget* templateList = nullptr;
    QLabel* hintLabel = nullptr;
    TemplateSheetView* sheetView = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The format of the selected row; nothing without a selection.
    std::optional<TemplateFormat> chosenFormat() const;

  private:
    struct Row {
        const LabelTemplate* label;
        int grid;
    };
    void fillList();
    // The list wide enough for the size columns whole beside some description.
    void fitListWidth();
    void selectionChanged();
    const Row* selectedRow() const;

    TemplateDatabase database_;
    std::vector<Row> rows_;
};
