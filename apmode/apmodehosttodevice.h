#ifndef APMODEHOSTTODEVICE_H
#define APMODEHOSTTODEVICE_H

#include <QWidget>

#include "ui_apmodehosttodevice.h"

class APModeHostToDevice : public QWidget
{
    Q_OBJECT
public:
    explicit APModeHostToDevice(QWidget* parent = nullptr);
    ~APModeHostToDevice() override;

    Ui_APModeHostToDevice* ui;
};

#endif // APMODEHOSTTODEVICE_H
