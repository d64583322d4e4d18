#ifndef CONNECTIONTYPEONLYONE_H
#define CONNECTIONTYPEONLYONE_H

#include <QWidget>

#include "ui_connectiontypeonlyone.h"

class ConnectionTypeOnlyOne : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeOnlyOne(QWidget* parent = nullptr);
    ~ConnectionTypeOnlyOne() override;

    Ui_ConnectionTypeOnlyOne* ui;
};

#endif // CONNECTIONTYPEONLYONE_H
