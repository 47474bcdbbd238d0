#pragma once
// Drives a real modal dialog: `user` runs on the dialog of type D as soon as it
// is the active modal window, as a user would act once it is up. The caller
// then opens it; whatever `user` leaves undone is cancelled, so a test never
// hangs on a dialog left open.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

template <typename D> void whenShown(std::function<void(D&)> user) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, user] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<D*>(modal)) {
            timer->stop();
            timer->deleteLater();
            user(*dialog);
            if (dialog->isVisible()) dialog->reject();
            return;
        }
        if (++*tries < 500) return;
        timer->stop();
        timer->deleteLater();
        ADD_FAILURE() << "the dialog did not come up";
        if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
    });
    timer->start(10);
}
