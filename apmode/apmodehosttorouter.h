#ifndef APMODEHOSTTOROUTER_H
#define APMODEHOSTTOROUTER_H

#include <QWidget>

#include "ui_apmodehosttorouter.h"

class APModeHostToRouter : public QWidget
{
    Q_OBJECT
public:
    explicit APModeHostToRouter(QWidget* parent = nullptr);
    ~APModeHostToRouter() override;

    Ui_APModeHostToRouter* ui;
};

#endif // APMODEHOSTTOROUTER_H
