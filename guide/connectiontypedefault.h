#ifndef CONNECTIONTYPEDEFAULT_H
#define CONNECTIONTYPEDEFAULT_H

#include <QWidget>

#include "ui_connectiontypedefault.h"

class ConnectionTypeDefault : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeDefault(QWidget* parent = nullptr);
    ~ConnectionTypeDefault() override;

    Ui_ConnectionTypeDefault* ui;
};

#endif // CONNECTIONTYPEDEFAULT_H
