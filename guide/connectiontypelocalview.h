#ifndef CONNECTIONTYPELOCALVIEW_H
#define CONNECTIONTYPELOCALVIEW_H

#include "guide/connectionpanel.h"
#include "guide/connectionrules.h"
#include "ui_connectiontypelocalview.h"

// The step panel of local-only mode, with fixed pictures.
class ConnectionTypeLocalView : public ConnectionPanel
{
    Q_OBJECT
public:
    explicit ConnectionTypeLocalView(QWidget* parent = nullptr);
    ~ConnectionTypeLocalView() override;

    void retranslate() override;

    // Sets the power and plug texts for the connection type at index of the page's list.
    void translateUI(int index);

    // The captions, the four pictures and the step badges of a connection type's set.
    void showSet(ConnectionRules::StepSet set);
    // Deletes every step badge of the four pictures.
    void removeStepBadges();

    Ui_ConnectionTypeLocalView* ui;

private:
    QLabel* picture(int n) const;
};

#endif  // CONNECTIONTYPELOCALVIEW_H
