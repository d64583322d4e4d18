#include "base/globals.h"

#include "base/endpoints.h"

int IPCameraIdx = -1;

QString gHostIps[kHostAddressSlots];
QString gHostMacs[kHostAddressSlots];
QStringList hostMacAddrList;

bool isLocalView = false;
bool isAPModeFlow = false;
QString supportType;

bool gIsQATest = false;
QString gQATestBaseUrl = QString::fromLatin1(Endpoints::kQATestBaseUrl);
QUrl jsonUrl;
QUrl assembleImageSquareUrl;
QUrl deviceIconSquareUrl;
QUrl TolmWizardUpdateUrl;
const QString TolmWizardQtVersion = QStringLiteral("v2.00.10");

QString assembleImagesPath;
QString deviceIconsPath;

QMap<QString, QStringList> ConnectionTypeMap;
QMap<QString, QString> ConnectionTypeNumberMap;
QMap<QString, QString> SupportWiFiMap;
QMap<QString, QString> SupportAPModeMap;
QMap<QString, QString> CGIProtocolMap;
QMap<QString, QString> SupportHWVersionMap;
QMap<QString, QString> ModelRouteMap;
QMap<QString, QString> AssembleImagesMap;
QMap<QString, QString> DeviceIconsMap;

QMutex gAPListMutex;

QString gCurrentLanguage = QStringLiteral("en_GB");
QTranslator* gTranslator = nullptr;

DCPUtils* gDCPUtils = nullptr;
Mainpage* gMainpage = nullptr;
Launcher* gLauncher = nullptr;

WelcomePage* gWelcomePage = nullptr;
OppsPage* gOppsPage = nullptr;
AgreementPage* gAgreementPage = nullptr;
CameraConnectionPage* gCameraConnectionPage = nullptr;
DiscoveryPage* gDiscoveryPage = nullptr;
DeviceSetupPage* gDeviceSetupPage = nullptr;
AlreadyRegisteredPage* gAlreadyRegisteredPage = nullptr;
CloudServicesPage* gCloudServicesPage = nullptr;
DeviceWiFiChangePage* gDeviceWiFiChangePage = nullptr;
DeviceSetupCompletePage* gDeviceSetupCompletePage = nullptr;
ConnectionTypeDefault* gConnectionTypeDefault = nullptr;
ConnectionTypeOnlyOne* gConnectionTypeOnlyOne = nullptr;
ConnectionTypeMoreThanOne* gConnectionTypeMoreThanOne = nullptr;
ConnectionTypeAPMode* gConnectionTypeAPMode = nullptr;
ConnectionTypeLocalView* gConnectionTypeLocalView = nullptr;
APModeHostToDevice* gAPModeHostToDevice = nullptr;
APModeHostToDevicePasswordVerify* gAPModeHostToDevicePasswordVerify = nullptr;
APModeDeviceToRouter* gAPModeDeviceToRouter = nullptr;
APModeHostToRouter* gAPModeHostToRouter = nullptr;
