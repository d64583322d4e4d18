#ifndef CONNECTIONTYPEONLYONE_H
#define CONNECTIONTYPEONLYONE_H

#include <QStringList>

#include "guide/connectionpanel.h"
#include "ui_connectiontypeonlyone.h"

// The step panel of a model with one connection type.
class ConnectionTypeOnlyOne : public ConnectionPanel
{
    Q_OBJECT
public:
    explicit ConnectionTypeOnlyOne(QWidget* parent = nullptr);
    ~ConnectionTypeOnlyOne() override;

    void retranslate() override;

    void showLedCaption();
    // Hides the PoE note, the power step and the LED caption.
    void hideLastCaptions();
    void clearSteps();
    // Step pictures of the Ethernet, PoE and PLC entries; the PoE note or the power step
    // follows the last of them.
    void addSteps(const QStringList& entries);

    Ui_ConnectionTypeOnlyOne* ui;
};

#endif  // CONNECTIONTYPEONLYONE_H
