#pragma once
// The calibration dialog as the user fills it: the four measured values typed
// into their fields, then OK.

#include "print/calibration.h"
#include "print/ui/calibrationdialog.h"
#include "support/userinput.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTest>

inline void typeCalibration(CalibrationDialog& dialog, const Calibration& measured) {
    const auto type = [](QDoubleSpinBox* edit, double value) {
        retype(edit, edit->locale().toString(value, 'f', 2));
    };
    type(dialog.leftSpin, measured.cL);
    type(dialog.topSpin, measured.cT);
    type(dialog.widthSpin, measured.kW);
    type(dialog.heightSpin, measured.kH);
    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
}
