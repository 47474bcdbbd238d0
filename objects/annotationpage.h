#pragma once
// The "Kommentare" page: the tool bar, the annotation view and the option tabs
// "Figur", "Text" and "Allgemein" that follow the selected object.

#include "app/pageframe.h"

#include <array>

class PaintBox;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolBar;
class QToolButton;
class ScrollBox;
class TMainForm;

class AnnotationPage : public PageFrame {
    Q_OBJECT
  public:
    explicit AnnotationPage(TMainForm& form);

    QToolBar* Toolbar = nullptr;
    QToolButton* SpeedItem3 = nullptr; // "Zeiger"
    QToolButton* SpeedZoom = nullptr;  // "Lupe"
    QToolButton* SpeedHand = nullptr;  // "Hand"
    QToolButton* SpeedItem1 = nullptr; // "Figur"
    QToolButton* SpeedItem2 = nullptr; // "Text"
    QToolButton* SpeedItem4 = nullptr; // "Notiz"
    QButtonGroup* toolGroup = nullptr;
    ScrollBox* ScrollBox1 = nullptr;
    PaintBox* PaintBox1 = nullptr;
    QLineEdit* KeyEdit = nullptr;

    QTabWidget* PageControl3 = nullptr;
    QWidget* FigurSheet = nullptr;
    QWidget* TextSheet = nullptr;
    QWidget* AllgemeinSheet = nullptr;
    // Figure tab: the ten shapes in shape order ("Kreis" .. "Linie schräg runter").
    std::array<QRadioButton*, 10> shapeButtons{};
    QPushButton* ColorBtn = nullptr;
    QPushButton* UColorBtn = nullptr;
    QRadioButton* FilledCheck = nullptr;
    QRadioButton* BorderCheck = nullptr;
    QRadioButton* FilledBorderCheck = nullptr;
    QSpinBox* LinieEd = nullptr;
    // Text tab.
    QPushButton* EnterTextBtn = nullptr;
    QPushButton* FontBtn = nullptr;
    QPushButton* TextFXBtn = nullptr;
    QPushButton* Color2Btn = nullptr;
    QRadioButton* Leftalign = nullptr;
    QRadioButton* CenterAlign = nullptr;
    QRadioButton* RightAlign = nullptr;
    QPushButton* rottextleftbtn = nullptr;
    QPushButton* rottextrightbtn = nullptr;
    // General tab.
    QPushButton* Del1Btn = nullptr;
    QPushButton* Front1Btn = nullptr;
    QPushButton* Back1Btn = nullptr;

    // The design size of the view before the page size is known.
    QSize paintBoxSize() const;
    // The view at the page's size in view pixels.
    void resizeToPage();
    // Brings the option tabs in line with the selected object.
    void CheckAllPanelOptions();

  private:
    void buildToolbar();
    QWidget* buildFigurSheet();
    QWidget* buildTextSheet();
    QWidget* buildAllgemeinSheet();
    void paintView(QPainter& painter);
    TMainForm& form_;
};
