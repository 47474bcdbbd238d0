#pragma once
// "Text eingeben...": the multi-line edit field for a text object's text.

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class TextDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TextDialog(QWidget* parent = nullptr);

    QPlainTextEdit* textEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The lines the edit field holds, and filling it with lines.
    QStringList lines() const;
    void setLines(const QStringList& lines);

  protected:
    void showEvent(QShowEvent* event) override;
};
