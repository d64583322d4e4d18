#ifndef CAMERACONNECTIONPAGE_H
#define CAMERACONNECTIONPAGE_H

#include <QWidget>

#include "ui_cameraconnectionpage.h"

class CameraConnectionPage : public QWidget
{
    Q_OBJECT
public:
    explicit CameraConnectionPage(QWidget* parent = nullptr);
    ~CameraConnectionPage() override;

    Ui_CameraConnectionPage* ui;
};

#endif // CAMERACONNECTIONPAGE_H
