#ifndef DEVICESETUPPAGE_H
#define DEVICESETUPPAGE_H

#include <QWidget>

#include "ui_devicesetuppage.h"

class DeviceSetupPage : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceSetupPage(QWidget* parent = nullptr);
    ~DeviceSetupPage() override;

    Ui_DeviceSetupPage* ui;
};

#endif // DEVICESETUPPAGE_H
