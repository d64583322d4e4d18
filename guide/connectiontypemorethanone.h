#ifndef CONNECTIONTYPEMORETHANONE_H
#define CONNECTIONTYPEMORETHANONE_H

#include <QWidget>

#include "ui_connectiontypemorethanone.h"

class ConnectionTypeMoreThanOne : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeMoreThanOne(QWidget* parent = nullptr);
    ~ConnectionTypeMoreThanOne() override;

    Ui_ConnectionTypeMoreThanOne* ui;
};

#endif // CONNECTIONTYPEMORETHANONE_H
