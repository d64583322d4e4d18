#ifndef GLOBALS_H
#define GLOBALS_H

// The wizard's shared state. Every global is declared here and defined in globals.cpp,
// except the few that belong to a page's own source file (welcome, Wi-Fi), which
// that page's header declares.

#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QUrl>

class QTranslator;
class IPCamera;
class DCPUtils;
class Mainpage;
class Launcher;
class WelcomePage;
class OppsPage;
class AgreementPage;
class CameraConnectionPage;
class DiscoveryPage;
class DeviceSetupPage;
class AlreadyRegisteredPage;
class CloudServicesPage;
class DeviceWiFiChangePage;
class DeviceSetupCompletePage;
class ConnectionTypeDefault;
class ConnectionTypeOnlyOne;
class ConnectionTypeMoreThanOne;
class ConnectionTypeAPMode;
class ConnectionTypeLocalView;
class APModeHostToDevice;
class APModeHostToDevicePasswordVerify;
class APModeDeviceToRouter;
class APModeHostToRouter;

// Cameras found (defined with IPCamera), and the one the user chose (-1 before a choice).
extern QList<IPCamera> IPCameraList;
extern int IPCameraIdx;

// PC interfaces of the last scan pass: address text and hardware address, index for index.
constexpr int kHostAddressSlots = 10;
extern QString gHostIps[kHostAddressSlots];
extern QString gHostMacs[kHostAddressSlots];
extern QStringList hostMacAddrList;

// Roads and filters.
extern bool isLocalView;
extern bool isAPModeFlow;
extern QString supportType;

// Download addresses.
extern bool gIsQATest;
extern QString gQATestBaseUrl;
extern QUrl jsonUrl;
extern QUrl assembleImageSquareUrl;
extern QUrl deviceIconSquareUrl;
extern QUrl TolmWizardUpdateUrl;
extern const QString TolmWizardQtVersion;

// Picture folders, always ending in "/".
extern QString assembleImagesPath;
extern QString deviceIconsPath;

// Catalogue maps, filled only by the catalogue parser.
extern QMap<QString, QStringList> ConnectionTypeMap;
extern QMap<QString, QString> ConnectionTypeNumberMap;
extern QMap<QString, QString> SupportWiFiMap;
extern QMap<QString, QString> SupportAPModeMap;
extern QMap<QString, QString> CGIProtocolMap;
extern QMap<QString, QString> SupportHWVersionMap;
extern QMap<QString, QString> ModelRouteMap;
extern QMap<QString, QString> AssembleImagesMap;
extern QMap<QString, QString> DeviceIconsMap;

// Guards the paging state of access-point lists.
extern QMutex gAPListMutex;

// Interface language: a locale code ("en_GB") or a short code ("pt_BR").
extern QString gCurrentLanguage;
extern QTranslator* gTranslator;

extern DCPUtils* gDCPUtils;
extern Mainpage* gMainpage;
extern Launcher* gLauncher;

// Page singletons, made once by Mainpage's constructor.
extern WelcomePage* gWelcomePage;
extern OppsPage* gOppsPage;
extern AgreementPage* gAgreementPage;
extern CameraConnectionPage* gCameraConnectionPage;
extern DiscoveryPage* gDiscoveryPage;
extern DeviceSetupPage* gDeviceSetupPage;
extern AlreadyRegisteredPage* gAlreadyRegisteredPage;
// Made by the welcome page on the first Internet check that succeeds, not with the others.
extern CloudServicesPage* gCloudServicesPage;
extern DeviceWiFiChangePage* gDeviceWiFiChangePage;
extern DeviceSetupCompletePage* gDeviceSetupCompletePage;
extern ConnectionTypeDefault* gConnectionTypeDefault;
extern ConnectionTypeOnlyOne* gConnectionTypeOnlyOne;
extern ConnectionTypeMoreThanOne* gConnectionTypeMoreThanOne;
extern ConnectionTypeAPMode* gConnectionTypeAPMode;
extern ConnectionTypeLocalView* gConnectionTypeLocalView;
extern APModeHostToDevice* gAPModeHostToDevice;
extern APModeHostToDevicePasswordVerify* gAPModeHostToDevicePasswordVerify;
extern APModeDeviceToRouter* gAPModeDeviceToRouter;
extern APModeHostToRouter* gAPModeHostToRouter;

#endif  // GLOBALS_H
