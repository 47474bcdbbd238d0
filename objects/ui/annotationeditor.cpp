#include "objects/ui/annotationeditor.h"

#include "widgets/dialogs.h"
#include "app/mainform.h"
#include "widgets/scrollbox.h"
#include "objects/ui/annotationpage.h"
#include "objects/ui/texteffectsdialog.h"
#include "objects/ui/objectmenu.h"
#include "objects/textobject.h"
#include "objects/ui/textdialog.h"
#include "raster/devicecanvas.h"
#include "base/screenfacts.h"
#include "raster/stretchdraw.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cmath>

AnnotationEditor::AnnotationEditor(TMainForm& form, AnnotationPage& page)
    : QObject(&page), form_(form), page_(page) {
    popupMenu1 = new PopupMenu1(page.PaintBox1);
    TxtForm = new TTxtForm(&form);
    EffektForm = new TEffektForm(form.dialogs(), &form);
    connectMouse();
    connectCommands();
}

void AnnotationEditor::connectCommands() {
    PopupMenu1& menu = *popupMenu1;
    AnnotationPage* page = &page_;
    connect(menu.Lschen1, &QAction::triggered, page, &AnnotationPage::Lschen1Click);
    connect(menu.Nachvorne1, &QAction::triggered, page, &AnnotationPage::Nachvorne1Click);
    connect(menu.NachHinen1, &QAction::triggered, page, &AnnotationPage::NachHinen1Click);
    connect(menu.FarbeM, &QAction::triggered, page, &AnnotationPage::ColorBtnClick);
    connect(menu.SchriftartM, &QAction::triggered, this, &AnnotationEditor::FontBtnClick);
    connect(menu.Texteffekte1, &QAction::triggered, this, &AnnotationEditor::TextFXBtnClick);
    connect(menu.Linksbnig1, &QAction::triggered, page, [page] { page->AlignClick(0); });
    connect(menu.Zentriert1, &QAction::triggered, page, [page] { page->AlignClick(1); });
    connect(menu.Rechtsbndig1, &QAction::triggered, page, [page] { page->AlignClick(2); });
    connect(menu.Nachlinksrotieren1, &QAction::triggered, page, &AnnotationPage::rottextleftbtnClick);
    connect(menu.Nachrechtsrotieren1, &QAction::triggered, page, &AnnotationPage::rottextrightbtnClick);
    for (int code = 0; code < int(menu.shapeItems.size()); ++code)
        connect(menu.shapeItems[code], &QAction::triggered, page, [page, code] { page->ShapeClick(code); });

    connect(page_.EnterTextBtn, &QPushButton::clicked, this, &AnnotationEditor::EnterTextBtnClick);
    connect(page_.FontBtn, &QPushButton::clicked, this, &AnnotationEditor::FontBtnClick);
    connect(page_.TextFXBtn, &QPushButton::clicked, this, &AnnotationEditor::TextFXBtnClick);
    page_.KeyEdit->installEventFilter(this);
}

ViewScale AnnotationEditor::viewScale() const {
    return ViewScale{form_.unitsPerScreenPixel, form_.viewZoom, page_.PaintBox1->width(),
                     page_.PaintBox1->height()};
}

// --- painting ---------------------------------------------------------------

void AnnotationEditor::PaintBox1Paint() {
    composedForPaint_ = compose(true);
    page_.PaintBox1->update();
}

bool AnnotationEditor::compose(bool resizeAtOnce) {
    form_.CheckAllPanelOptions();
    if (zoomInProgress) return false;
    const DibImage& image = form_.currentImage;
    const double perPixel = form_.unitsPerScreenPixel;
    const int W = units::trunc32(image.width() * form_.ImagePixelSize * form_.viewZoom / perPixel);
    const int H = units::trunc32(image.height() * form_.ImagePixelSize * form_.viewZoom / perPixel);
    if (W <= 0 || H <= 0) return false;
    if (page_.PaintBox1->size() != QSize(W, H)) {
        if (!resizeAtOnce) {
            // Not from inside a paint event: the resize brings a new one.
            QMetaObject::invokeMethod(
                this, [this, W, H] { page_.ScrollBox1->setPaintBoxSize(W, H); }, Qt::QueuedConnection);
            return false;
        }
        page_.ScrollBox1->setPaintBoxSize(W, H);
    }
    // Only the part of the view inside the scroll box is composed: a zoomed
    // view of a large image would not fit into memory as one picture.
    composedArea_ = visibleViewArea();
    if (composedArea_.isEmpty()) return false;
    // Composed in the screen's own pixels, so that a scale factor shows it sharp.
    const qreal ratio = page_.PaintBox1->devicePixelRatio();
    if (form_.annotationBitmap.devicePixelRatio() != ratio ||
        form_.annotationBitmap.size() != devicePixelSize(composedArea_.size(), ratio))
        form_.annotationBitmap = deviceCanvas(composedArea_.size(), ratio);
    if (form_.annotationBitmap.isNull()) return false;
    form_.annotationBitmap.fill(Qt::white);
    QPainter canvas(&form_.annotationBitmap);
    canvas.translate(-composedArea_.topLeft());
    drawWholeDib(canvas, QRect(0, 0, W, H), image, true);
    DrawVCart(canvas, 0, 0, form_.viewZoom / perPixel, form_.objects, form_.labelRenderSettings());
    markrec(canvas, form_.objects.selected(), form_.MouseMode, form_.viewScale());
    return true;
}

QRect AnnotationEditor::visibleViewArea() const {
    const PaintBox& view = *page_.PaintBox1;
    return QRect(-view.pos(), page_.ScrollBox1->viewport()->size()) & view.rect();
}

void AnnotationEditor::paintEvent(QPainter& painter, const QRect& exposed) {
    // While dragging, the picture holds the outline at the mouse and is shown
    // as it is; the page is composed again on release.
    const bool current = (composedForPaint_ || form_.MouseMode == 1) &&
                         composedArea_.contains(exposed & page_.PaintBox1->rect());
    composedForPaint_ = false;
    if (!current && !compose(false)) {
        painter.fillRect(exposed, Qt::white);
        return;
    }
    painter.drawImage(composedArea_.topLeft(), form_.annotationBitmap);
}

void AnnotationEditor::toggleDragOutline() {
    if (form_.annotationBitmap.isNull() || composedArea_.isEmpty()) return;
    QPainter canvas(&form_.annotationBitmap);
    canvas.translate(-composedArea_.topLeft());
    markrec(canvas, form_.objects.selected(), form_.MouseMode, form_.viewScale());
}

// --- keyboard ---------------------------------------------------------------

bool AnnotationEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_.KeyEdit && event->type() == QEvent::KeyPress)
        KeyEditKeyDown(static_cast<QKeyEvent*>(event)->key());
    else if (watched == page_.ScrollBox1->viewport() && event->type() == QEvent::MouseButtonPress)
        ScrollBox1MouseDown();
    return false; // the key or press goes on unchanged
}

void AnnotationEditor::KeyEditKeyDown(int key) {
    if (key == Qt::Key_Delete) {
        page_.Lschen1Click();
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        ObjectTable& table = form_.objects;
        if (table.CurObj <= 0) return;
        table.CurObj = nextUsedSlot(table, table.CurObj);
        PaintBox1Paint();
    }
}

void AnnotationEditor::ScrollBox1MouseDown() {
    page_.KeyEdit->setFocus();
}

// --- text objects -----------------------------------------------------------

void AnnotationEditor::EnterTextBtnClick() {
    Tobs* object = form_.objects.selected();
    if (!object) return;
    TxtForm->setLines(textLines(object->Text));
    if (form_.dialogs().runModal(*TxtForm) != QDialog::Accepted) return;
    object->Text = joinTextLines(TxtForm->lines());
    PaintBox1Paint();
}

void AnnotationEditor::FontBtnClick() {
    const Tobs* object = form_.objects.selected();
    if (!object) return;
    const int dpi = screenFacts().logicalDpiX;
    // The dialog keeps the primed font even when cancelled; it is the font new
    // text objects start with.
    DialogFont& dialogFont = form_.FontDialog1;
    dialogFont = dialogFontOf(*object);
    // The size is set last and decides the height.
    if (dialogFont.size > 0) dialogFont.height = -int32_t(std::lround(dialogFont.size * dpi / 72.0));
    const std::optional<FontChoice> chosen =
        form_.dialogs().chooseFont(FontChoice{fontShownInDialog(dialogFont), dialogFont.color});
    if (!chosen) return;
    form_.FontDialog1 = dialogFontChosen(dialogFont, chosen->font, chosen->color, dpi);
    if (Tobs* still = form_.objects.selected()) applyDialogFont(*still, form_.FontDialog1);
    PaintBox1Paint();
}

void AnnotationEditor::TextFXBtnClick() {
    Tobs* object = form_.objects.selected();
    if (!object) return;
    EffektForm->prime(textEffectsOf(*object));
    if (form_.dialogs().runModal(*EffektForm) != QDialog::Accepted) return;
    applyTextEffects(*object, EffektForm->effects());
    PaintBox1Paint();
}
