#ifndef CONNECTIONTYPEAPMODE_H
#define CONNECTIONTYPEAPMODE_H

#include <QStringList>

#include "guide/connectionpanel.h"
#include "ui_connectiontypeapmode.h"

// The step panel of a camera set up through its own access point.
class ConnectionTypeAPMode : public ConnectionPanel
{
    Q_OBJECT
public:
    explicit ConnectionTypeAPMode(QWidget* parent = nullptr);
    ~ConnectionTypeAPMode() override;

    void retranslate() override;

    void clearSteps();
    // Step pictures of the access-point entries, each two columns wide.
    void addSteps(const QStringList& entries);

    Ui_ConnectionTypeAPMode* ui;
};

#endif  // CONNECTIONTYPEAPMODE_H
