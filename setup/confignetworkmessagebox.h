#ifndef CONFIGNETWORKMESSAGEBOX_H
#define CONFIGNETWORKMESSAGEBOX_H

#include <QWidget>

#include "ui_confignetworkmessagebox.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The manual network box: DHCP, PPPoE or a static address. It switches its tabs and checks
// each field as the user leaves it; its owner connects the buttons and reads the fields.
class ConfigNetworkMessageBox : public QWidget
{
    Q_OBJECT
public:
    explicit ConfigNetworkMessageBox(QWidget* parent);
    ~ConfigNetworkMessageBox() override;

    Ui_ConfigNetworkMessageBox* ui;

    // Shows message in red under a field, or "Valid" hidden when message is empty.
    static void showFieldError(QLabel* label, const QString& message);

private slots:
    void pressDHCPButton();
    void pressPPPoEButton();
    void pressStaticIPButton();
    void cameraPPPoEAccountLineEditFinished();
    void cameraPPPoEPasswordLineEditFinished();
    void cameraIPAddrLineEditFinished();
    void cameraSubnetLineEditFinished();
    void cameraGatewayLineEditFinished();
    void cameraPDNSLineEditFinished();
    void cameraSDNSLineEditFinished();

private:
    void selectTab(QPushButton* tab, QWidget* group, int height);
    void checkAddressField(QLineEdit* field, QLabel* errorLabel);
};

#endif  // CONFIGNETWORKMESSAGEBOX_H
