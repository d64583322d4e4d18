#ifndef DEVICEWIFICHANGEPAGE_H
#define DEVICEWIFICHANGEPAGE_H

#include <QWidget>

#include "ui_devicewifichangepage.h"

// Where the Back button returns: 1 the cloud step, 2 the setup page, 3 the already-registered page.
extern int dWiFiBackToPage;

class DeviceWiFiChangePage : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceWiFiChangePage(QWidget* parent = nullptr);
    ~DeviceWiFiChangePage() override;

    Ui_DeviceWiFiChangePage* ui;

    void enter();
};

#endif // DEVICEWIFICHANGEPAGE_H
