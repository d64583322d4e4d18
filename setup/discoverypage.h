#ifndef DISCOVERYPAGE_H
#define DISCOVERYPAGE_H

#include <QSet>

#include "shell/messageboxpage.h"
#include "shell/wizardpage.h"
#include "ui_discoverypage.h"

class IPCamera;
class QTimer;

// "Select Your Camera": scans every suitable PC interface on a one-second schedule, lists
// the cameras whose password state is known (unregistered first, one row per MAC), lets the
// user choose one and hands it to the setup page.
class DiscoveryPage : public WizardPage
{
    Q_OBJECT
public:
    explicit DiscoveryPage(QWidget* parent = nullptr);
    ~DiscoveryPage() override;

    Ui_DiscoveryPage* ui;
    QTimer* checkDeviceDiscoveryTimer;

    void retranslate() override;
    // Empties the camera table (the rows come back with the next scan).
    void clearCameraTable();
    // Stops the scan schedule and zeroes its tick count.
    void stopScan();
    int waitDiscoveryNumber;

public slots:
    void scanDevices();
    void scanDevicesPasswordStatus();
    void updateDeviceTableList(int index);
    void updateCameraEmit(int index);
    void pressBackButton();
    void pressNextButton();
    void pressRefreshButton();
    void showCameraTableCellClicked(int row, int column);
    void resetPasswordLineEdits();
    void hidePasswordLineEdits();
    void setPasswordLineEditStatus();
    void checkDeviceDiscovery();
    void popupWhatIsMAC();
    void pressMsgCloseButton();
    void popupCameraNotFound();
    void pressMsgCameraNotFoundCloseButton();

private:
    // A help popup with its title, text, "OK" and close button, both closing it through close.
    PopupBuilder helpPopup(const char* name, int height, const QString& title, const QString& content,
                           void (DiscoveryPage::*close)());
    void setUpCameraTable();
    void sendScanPass();
    void removeAllRows(bool logEach);
    // The macKey of each row's camera.
    const QSet<QString>& listedKeys();
    void addCameraRow(int row, const IPCamera& camera);
    void setNextEnabled(bool enabled);
    void hideScanPicture();
    // The macKey of the cameras asked for their password state since the last tick.
    QSet<QString> queriedThisTick;
    // What listedKeys returns: kept as rows are added, read from the rows when their count differs.
    QSet<QString> rowKeys;
};

#endif  // DISCOVERYPAGE_H
