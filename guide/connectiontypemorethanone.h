#ifndef CONNECTIONTYPEMORETHANONE_H
#define CONNECTIONTYPEMORETHANONE_H

#include <QWidget>

#include "ui_connectiontypemorethanone.h"

// The step panel of a model with several connection types, chosen in its own list.
class ConnectionTypeMoreThanOne : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeMoreThanOne(QWidget* parent = nullptr);
    ~ConnectionTypeMoreThanOne() override;

    Ui_ConnectionTypeMoreThanOne* ui;

public slots:
    void gotCtypeIndexChanged();

private slots:
    void popupWhyLedRed();
    void pressMsgCancelButton();
    void pressMsgResetButton();
    void popupResetHint();
    void pressMsgStartOverButton();
    void pressMsgCloseButton();
};

#endif // CONNECTIONTYPEMORETHANONE_H
