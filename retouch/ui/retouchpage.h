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

    QToolButton* fileMenuButton = nullptr;
    QToolButton* effectsMenuButton = nullptr;
    QToolButton* retouchMenuButton = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* effectsMenu = nullptr;
    QMenu* retouchMenu = nullptr;
    QAction* saveImageAsAction = nullptr;
    QAction* brightnessAction = nullptr;
    QAction* rotateLeftAction = nullptr;
    QAction* rotateRightAction = nullptr;
    QAction* flipHorizontalAction = nullptr;
    QAction* flipVerticalAction = nullptr;
    QAction* cropAction = nullptr;
    QAction* turnByAngleAction = nullptr;
    QAction* autoCropAction = nullptr;
    QSpinBox* zoomSpin = nullptr;
    ScrollBox* retouchScroll = nullptr;
    RetouchView* retouchView = nullptr;

    // Ends a marking drag without its release, as when the page is left.
    void resetDragging();

    void showFileMenu();
    void showEffectsMenu();
    void showRetouchMenu();
    // Fits the view to the image at the zoom, or repaints it when it fits.
    void fitViewToImage();
    void zoomChanged();

    // The commands of "Retusche" (retouchcommands.cpp).
    void adjustBrightness();
    void rotateLeft();
    void rotateRight();
    void flipHorizontally();
    void flipVertically();
    void crop();
    // "Drehen um Winkel..." and "Automatisch zuschneiden" (autocropcommands.cpp).
    void turnByAngle();
    void autoCrop();

    // The effect menu (effectmenu.cpp): one item per filter of the table.
    void buildEffectMenu();
    void applyEffect(QAction* Sender);
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
