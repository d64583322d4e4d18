#include <QApplication>
#include <QDir>
#include <QFile>

#include "base/config.h"
#include "base/globals.h"
#include "base/log.h"
#include "base/logging.h"
#include "platform/registry.h"
#include "protocol/dcputils.h"
#include "shell/launcher.h"
#include "shell/mainpage.h"
#include "welcome/spriteclipper.h"

int qMain(int argc, char** argv)
{
    QApplication app(argc, argv);

    QFile styleSheet(":/style_win.qss");
    if (styleSheet.open(QFile::ReadOnly))
        app.setStyleSheet(QString::fromLatin1(styleSheet.readAll()));
    else
        WLOG << "Error Opening Stylesheet File ";

    assembleImagesPath = QCoreApplication::applicationDirPath() + "/assemble_image/";
    deviceIconsPath = QCoreApplication::applicationDirPath() + "/device_icon/";

    const ShellConfig config = readShellConfigFile(QCoreApplication::applicationDirPath());
    if (config.logEnabled)
        installLogFileHandler();
    Platform::registerCompatibilityPersisted();
    applyDownloadAddresses(config.qaTest);
    removeStaleSpriteFolders(QDir::tempPath());

    gDCPUtils = new DCPUtils;
    WLOG << "Start Tcp Server ...";
    gDCPUtils->openTCPSocketRecv(5979);

    gMainpage = new Mainpage;
    gLauncher = new Launcher(config);
    if (config.showLauncher)
        gLauncher->show();
    else
        gMainpage->show();
    gMainpage->translateAllUI();

    return app.exec();
}

int main(int argc, char** argv)
{
    return qMain(argc, argv);
}
