#pragma once
// The two scanner dialogs: choosing a device, and the device's own options,
// generated from what the device says about them.

#include "raster/sanescan.h"

#include <QDialog>

#include <utility>
#include <vector>

class QListWidget;

class ScannerSelectDialog : public QDialog {
    Q_OBJECT
  public:
    ScannerSelectDialog(const std::vector<sane::Device>& devices, const QByteArray& chosen,
                        QWidget* parent = nullptr);
    QListWidget* deviceList = nullptr;
    // The device selected in the list; empty when none is.
    QByteArray selectedDevice() const;

  private:
    std::vector<sane::Device> devices_;
};

class ScanOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    // One control per option, named after the option ("mode", "resolution", ...).
    ScanOptionsDialog(const QString& deviceTitle, const std::vector<sane::Option>& options,
                      QWidget* parent = nullptr);
    // The options whose controls now hold another value, with that value.
    std::vector<std::pair<sane::Option, QVariant>> changedValues() const;

  private:
    struct Row {
        sane::Option option;
        QWidget* control;
    };
    QVariant valueOf(const Row& row) const;
    std::vector<Row> rows_;
};
