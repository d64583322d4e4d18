#ifndef APMODEDEVICETOROUTER_H
#define APMODEDEVICETOROUTER_H

#include <QWidget>

#include "ui_apmodedevicetorouter.h"

class APModeDeviceToRouter : public QWidget
{
    Q_OBJECT
public:
    explicit APModeDeviceToRouter(QWidget* parent = nullptr);
    ~APModeDeviceToRouter() override;

    Ui_APModeDeviceToRouter* ui;
};

#endif // APMODEDEVICETOROUTER_H
