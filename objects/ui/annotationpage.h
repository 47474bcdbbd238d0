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

    QToolBar* toolBar = nullptr;
    QToolButton* pointerTool = nullptr;   // "Zeiger"
    QToolButton* magnifierTool = nullptr; // "Lupe"
    QToolButton* handTool = nullptr;      // "Hand"
    QToolButton* shapeTool = nullptr;     // "Figur"
    QToolButton* textTool = nullptr;      // "Text"
    QToolButton* noteTool = nullptr;      // "Notiz"
    QButtonGroup* toolGroup = nullptr;
    ScrollBox* annotationScroll = nullptr;
    AnnotationView* annotationView = nullptr;
    QLineEdit* keyCatcher = nullptr;

    QTabWidget* optionTabs = nullptr;
    QWidget* shapeTab = nullptr;
    QWidget* textTab = nullptr;
    QWidget* generalTab = nullptr;
    // Figure tab: the ten shapes in shape order ("Kreis" .. "Linie schräg runter").
    std::array<QRadioButton*, 10> shapeButtons{};
    QPushButton* colorButton = nullptr;
    QPushButton* outlineColorButton = nullptr;
    QRadioButton* filledRadio = nullptr;
    QRadioButton* outlinedRadio = nullptr;
    QRadioButton* filledOutlinedRadio = nullptr;
    QSpinBox* lineWidthSpin = nullptr;
    // Text tab.
    QPushButton* enterTextButton = nullptr;
    QPushButton* fontButton = nullptr;
    QPushButton* textEffectsButton = nullptr;
    QPushButton* textColorButton = nullptr;
    QRadioButton* alignLeftRadio = nullptr;
    QRadioButton* alignCenterRadio = nullptr;
    QRadioButton* alignRightRadio = nullptr;
    QPushButton* rottextleftbtn = nullptr;
    QPushButton* rottextrightbtn = nullptr;
    // General tab.
    QPushButton* deleteButton = nullptr;
    QPushButton* toFrontButton = nullptr;
    QPushButton* toBackButton = nullptr;

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
    void deleteObject();
    void bringToFront();
    void sendToBack();
    void chooseShape(int32_t shape); // the ten shape radio buttons and menu items
    void chooseColor();              // also "Farbe..." of the text tab and the menu
    void chooseOutlineColor();
    void chooseFilled();
    void chooseOutlined();
    void chooseFilledOutlined();
    void lineWidthChanged();
    void chooseAlignment(int32_t align); // the three alignment buttons and menu items
    void rotateTextRight();
    void rotateTextLeft();
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
