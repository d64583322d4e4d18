#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include "base/config.h"
#include "base/endpoints.h"
#include "base/globals.h"
#include "base/log.h"
#include "base/logging.h"
#include "cloud/enginemedia.h"
#include "platform/registry.h"
#include "platform/signalquit.h"
#include "protocol/dcputils.h"
#include "shell/launcher.h"
#include "shell/mainpage.h"
#include "welcome/spriteclipper.h"

namespace {

bool gLoopReturned = false;

// A library may end the process itself: Qt's X11 plugin calls exit(1) when the connection to the X
// server breaks. With the log on, its reason went to log.txt alone; the standard error says it too.
void reportLibraryExit()
{
    if (gLoopReturned)
        return;
    const QString warning = lastLoggedWarning();
    std::fprintf(stderr, "tolmwizard: ended by a library, not by its own exit; the last warning: %s\n",
                 warning.isEmpty() ? "none in the log" : qUtf8Printable(warning));
}

}  // namespace

int qMain(int argc, char** argv)
{
    // Before the first temporary folder: a signal from here on ends the run as its own exit does.
    Platform::SignalQuit::catchSignals();
    const QTemporaryDir mediaRegistry;
    keepEngineMediaOff(mediaRegistry.isValid() ? mediaRegistry.path() : QString());
    QApplication app(argc, argv);
    const Platform::SignalQuit signalQuit;

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
    gDCPUtils->openTCPSocketRecv(Endpoints::kRedirectPort);

    gMainpage = new Mainpage;
    gLauncher = new Launcher(config);
    if (config.showLauncher)
        gLauncher->show();
    else
        gMainpage->show();
    gMainpage->translateAllUI();

    std::atexit(reportLibraryExit);
    const int code = app.exec();
    gLoopReturned = true;
    Mainpage::endWizard();
    return code;
}

int main(int argc, char** argv)
{
    return qMain(argc, argv);
}
