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
    type(dialog.LinksEd, measured.cL);
    type(dialog.ObenEd, measured.cT);
    type(dialog.BreitEd, measured.kW);
    type(dialog.HochEd, measured.kH);
    QTest::mouseClick(dialog.OkBtn, Qt::LeftButton);
}
