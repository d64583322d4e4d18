#ifndef APMODEHOSTTODEVICEPASSWORDVERIFY_H
#define APMODEHOSTTODEVICEPASSWORDVERIFY_H

#include <QWidget>

#include "ui_apmodehosttodevicepasswordverify.h"

class APModeHostToDevicePasswordVerify : public QWidget
{
    Q_OBJECT
public:
    explicit APModeHostToDevicePasswordVerify(QWidget* parent = nullptr);
    ~APModeHostToDevicePasswordVerify() override;

    Ui_APModeHostToDevicePasswordVerify* ui;
};

#endif // APMODEHOSTTODEVICEPASSWORDVERIFY_H
