#ifndef DEVICESETUPCOMPLETEPAGE_H
#define DEVICESETUPCOMPLETEPAGE_H

#include <QWidget>

#include "ui_devicesetupcompletepage.h"

class DeviceSetupCompletePage : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceSetupCompletePage(QWidget* parent = nullptr);
    ~DeviceSetupCompletePage() override;

    Ui_DeviceSetupCompletePage* ui;
};

#endif // DEVICESETUPCOMPLETEPAGE_H
