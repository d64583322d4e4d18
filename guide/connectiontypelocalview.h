#ifndef CONNECTIONTYPELOCALVIEW_H
#define CONNECTIONTYPELOCALVIEW_H

#include <QWidget>

#include "ui_connectiontypelocalview.h"

// The step panel of local-only mode, with fixed pictures.
class ConnectionTypeLocalView : public QWidget
{
    Q_OBJECT
public:
    explicit ConnectionTypeLocalView(QWidget* parent = nullptr);
    ~ConnectionTypeLocalView() override;

    // Sets the power and plug texts for the connection type chosen on the page.
    void translateUI();

    Ui_ConnectionTypeLocalView* ui;

private slots:
    void popupWhyLedRed();
    void pressMsgCancelButton();
    void pressMsgResetButton();
    void popupResetHint();
    void pressMsgStartOverButton();
    void pressMsgCloseButton();
};

#endif // CONNECTIONTYPELOCALVIEW_H
