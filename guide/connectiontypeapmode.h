#ifndef CONNECTIONTYPEAPMODE_H
#define CONNECTIONTYPEAPMODE_H

#include <QWidget>

#include "ui_connectiontypeapmode.h"

class ConnectionTypeAPMode : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeAPMode(QWidget* parent = nullptr);
    ~ConnectionTypeAPMode() override;

    Ui_ConnectionTypeAPMode* ui;
};

#endif // CONNECTIONTYPEAPMODE_H
