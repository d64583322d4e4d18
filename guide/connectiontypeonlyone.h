#ifndef CONNECTIONTYPEONLYONE_H
#define CONNECTIONTYPEONLYONE_H

#include <QWidget>

#include "ui_connectiontypeonlyone.h"

// The step panel of a model with one connection type.
class ConnectionTypeOnlyOne : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeOnlyOne(QWidget* parent = nullptr);
    ~ConnectionTypeOnlyOne() override;

    Ui_ConnectionTypeOnlyOne* ui;

private slots:
    void popupWhyLedRed();
    void pressMsgCancelButton();
    void pressMsgResetButton();
    void popupResetHint();
    void pressMsgStartOverButton();
    void pressMsgCloseButton();
};

#endif // CONNECTIONTYPEONLYONE_H
