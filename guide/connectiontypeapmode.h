#ifndef CONNECTIONTYPEAPMODE_H
#define CONNECTIONTYPEAPMODE_H

#include <QWidget>

#include "ui_connectiontypeapmode.h"

// The step panel of a camera set up through its own access point.
class ConnectionTypeAPMode : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeAPMode(QWidget* parent = nullptr);
    ~ConnectionTypeAPMode() override;

    Ui_ConnectionTypeAPMode* ui;

private slots:
    void popupWhyLedRed();
    void pressMsgCancelButton();
    void pressMsgResetButton();
    void popupResetHint();
    void pressMsgStartOverButton();
    void pressMsgCloseButton();
};

#endif // CONNECTIONTYPEAPMODE_H
