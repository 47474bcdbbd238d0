#pragma once
// The "Kommentare" page: the tool bar, the annotation view and the option tabs
// "Figur", "Text" and "Allgemein" that follow the selected object.

#include "objects/objectops.h"
#include "widgets/pageframe.h"

#include <QCursor>

#include <array>

class AnnotationEditor;
class AnnotationView;
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
class CoverJob;
class Shell;

class AnnotationPage : public PageFrame {
    Q_OBJECT
  public:
    AnnotationPage(CoverJob& job, Shell& shell);
    // The editor watches the page's own widgets: it goes before they do.
    ~AnnotationPage() override;

    QToolBar* Toolbar = nullptr;
    QToolButton* SpeedItem3 = nullptr; // "Zeiger"
    QToolButton* SpeedZoom = nullptr;  // "Lupe"
    QToolButton* SpeedHand = nullptr;  // "Hand"
    QToolButton* SpeedItem1 = nullptr; // "Figur"
    QToolButton* SpeedItem2 = nullptr; // "Text"
    QToolButton* SpeedItem4 = nullptr; // "Notiz"
    QButtonGroup* toolGroup = nullptr;
    ScrollBox* ScrollBox1 = nullptr;
    AnnotationView* PaintBox1 = nullptr;
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

    // The view's mouse and keyboard, its context menu and the text dialogs.
    AnnotationEditor* editor = nullptr;

    // The font of the font dialog; new text objects take it over.
    DialogFont newTextFont;
    // The twelve cursors of the view, by number 1..12 (ViewCursor).
    std::array<QCursor, 13> screenCursors;

    // The view at the page's size in view pixels.
    void resizeToPage();
    // Brings the option tabs in line with the selected object.
    void CheckAllPanelOptions();
    // The tool chosen on the tool bar.
    AnnotationTool currentTool() const;

    // --- commands on the object table (annotationcommands.cpp) ---------------
    // The menu items of the page's context menu call the same handlers.
    void AddObject(AnnotationTool tool, int x, int y);
    void Lschen1Click();
    void Nachvorne1Click();
    void NachHinen1Click();
    void ShapeClick(int32_t shape); // the ten shape radio buttons and menu items
    void ColorBtnClick();           // also "Farbe..." of the text tab and the menu
    void UColorBtnClick();
    void FilledCheckClick();
    void BorderCheckClick();
    void FilledBorderCheckClick();
    void LinieEdChange();
    void AlignClick(int32_t align); // the three alignment buttons and menu items
    void rottextrightbtnClick();
    void rottextleftbtnClick();
    // Repaints the view after the table changed.
    void repaintView();

  private:
    void buildToolbar();
    QWidget* buildFigurSheet();
    QWidget* buildTextSheet();
    QWidget* buildAllgemeinSheet();
    void connectPanel();
    void registerCursors();
    CoverJob& job_;
    Shell& shell_;
};
