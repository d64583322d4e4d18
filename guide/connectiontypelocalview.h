#ifndef CONNECTIONTYPELOCALVIEW_H
#define CONNECTIONTYPELOCALVIEW_H

#include <QWidget>

#include "ui_connectiontypelocalview.h"

class ConnectionTypeLocalView : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeLocalView(QWidget* parent = nullptr);
    ~ConnectionTypeLocalView() override;

    Ui_ConnectionTypeLocalView* ui;
};

#endif // CONNECTIONTYPELOCALVIEW_H
