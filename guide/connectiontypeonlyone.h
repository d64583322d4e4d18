#ifndef CONNECTIONTYPEONLYONE_H
#define CONNECTIONTYPEONLYONE_H

#include <QWidget>

#include "ui_connectiontypeonlyone.h"

struct HintTexts;

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

private:
    HintTexts hintTexts() const;
};

#endif // CONNECTIONTYPEONLYONE_H
