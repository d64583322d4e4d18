#ifndef DEVICEWIFICHANGEPAGE_H
#define DEVICEWIFICHANGEPAGE_H

#include <QWidget>

#include "ui_devicewifichangepage.h"

class DeviceWiFiChangePage : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceWiFiChangePage(QWidget* parent = nullptr);
    ~DeviceWiFiChangePage() override;

    Ui_DeviceWiFiChangePage* ui;
};

#endif // DEVICEWIFICHANGEPAGE_H
