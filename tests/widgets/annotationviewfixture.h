#pragma once
// The main window with the "Kommentare" page shown, and the mouse and keys on
// its view.

#include "support/mainwindowfixture.h"

#include "objects/ui/annotationeditor.h"
#include "objects/ui/annotationpage.h"
#include "objects/ui/annotationview.h"
#include "widgets/scrollbox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>

class AnnotationViewTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        form->pageTabs->setCurrentWidget(form->annotationPage);
        QApplication::processEvents();
    }

    AnnotationPage& page() { return *form->annotationPage; }
    AnnotationEditor& editor() { return *page().editor; }
    ObjectTable& table() { return form->job.objects(); }
    AnnotationView* view() { return page().annotationView; }

    // A new object of `tool` with its top-left corner at view pixel `at`, selected.
    AnnotationObject& add(AnnotationTool tool, QPoint at) {
        page().AddObject(tool, at.x(), at.y());
        return *table().selected();
    }
    // The selected object's box in view pixels.
    QRect pixelBox(const AnnotationObject& object) {
        return QRect(object.PixLeft(form->job.viewScale()), object.PixTop(form->job.viewScale()),
                     object.PixWidth(form->job.viewScale()), object.PixHeight(form->job.viewScale()));
    }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(view(), button, {}, at);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(view(), button, {}, at);
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        press(at, button);
        release(at, button);
    }
    // A move straight to the view, with or without a button held.
    void moveTo(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, view()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(view(), &move);
    }
};
