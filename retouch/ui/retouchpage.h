#pragma once
// The "Retuschieren" page: the menu buttons "Datei", "Effekte" and "Retusche",
// the zoom, and the retouch view of the current image on which a region is
// marked with the mouse. The commands of the menus replace or change the
// current image through the retouch operations and repaint the view.

#include "raster/dibimage.h"
#include "retouch/rowprogress.h"
#include "widgets/pageframe.h"

class RetouchView;
class QMenu;
class QAction;
class QSpinBox;
class QToolButton;
class ScrollBox;
class CoverJob;
class Shell;

class RetouchPage : public PageFrame {
    Q_OBJECT
  public:
    RetouchPage(CoverJob& job, Shell& shell);

    QToolButton* DateiButton = nullptr;
    QToolButton* EffekteButton = nullptr;
    QToolButton* RetuscheButton = nullptr;
    QMenu* DateiPopup = nullptr;
    QMenu* EffektPopup = nullptr;
    QMenu* RetuschePopup = nullptr;
    QAction* SpeichernUnter1 = nullptr;
    QAction* HellpBtn = nullptr;
    QAction* RotLeftBtn = nullptr;
    QAction* RotRightBtn = nullptr;
    QAction* FlipHBtn = nullptr;
    QAction* FlipVBtn = nullptr;
    QAction* SchnittBtn = nullptr;
    QAction* turnByAngleAction = nullptr;
    QAction* autoCropAction = nullptr;
    QSpinBox* ZoomEd2 = nullptr;
    ScrollBox* RetuschScrollBox = nullptr;
    RetouchView* RetuschPaint = nullptr;

    // Ends a marking drag without its release, as when the page is left.
    void resetDragging();

    void DateiButtonClick();
    void EffekteButtonClick();
    void RetuscheButtonClick();
    // Fits the view to the image at the zoom, or repaints it when it fits.
    void RetuschPaintPaint();
    void ZoomEd2Change();

    // The commands of "Retusche" (retouchcommands.cpp).
    void HellpBtnClick();
    void RotLeftBtnClick();
    void RotRightBtnClick();
    void FlipHBtnClick();
    void FlipVBtnClick();
    void SchnittBtnClick();
    // "Drehen um Winkel..." and "Automatisch zuschneiden" (autocropcommands.cpp).
    void turnByAngle();
    void autoCrop();

    // The effect menu (effectmenu.cpp): one item per filter of the table.
    void buildEffectMenu();
    void EffektClick(QAction* Sender);
    void recordKeptFilter(const QString& stepName, const DibImage& borderedCopy);

    // Where a menu button opens its menu: directly below it, in screen coordinates.
    static QPoint menuPosition(const QWidget* button);

  signals:
    // "Speichern unter..." of the "Datei" menu: the image is saved as the scan
    // page saves it.
    void saveImageRequested();

  private:
    QToolButton* makeMenuButton(const char* name, const QString& caption, const QString& hint, QMenu* menu);
    QAction* addCommand(const QString& caption, const QString& hint, const char* name,
                        void (RetouchPage::*handler)());
    void buildRetuschePopup();
    // Makes `image` the current one unless it is null, as an undo step named
    // `stepName`; true when it did. The turns and the crop mark the new image
    // whole, the mirrors keep the region.
    enum class RegionAfter { Kept, WholeImage };
    bool replaceImage(DibImage image, RegionAfter region, const QString& stepName);
    // The status bar's progress as the operations report it.
    ProgressFn progress();
    CoverJob& job_;
    Shell& shell_;
};
