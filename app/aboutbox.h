#pragma once
// The "Info" box: the program's picture, its name, the maker's texts with the
// current year, and a button to the maker's web page.

#include <QDialog>

class Dialogs;
class QLabel;
class QPushButton;

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(Dialogs& dialogs, QWidget* parent = nullptr);

    QLabel* programIcon = nullptr;
    QLabel* copyrightLabel = nullptr;
    QPushButton* webButton = nullptr;
    QPushButton* okButton = nullptr;

    // "XXXX" (its first occurrence) replaced by the year.
    static QString withYear(QString text, int year);

  private:
    Dialogs& dialogs_;
};
