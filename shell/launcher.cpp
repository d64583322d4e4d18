#include "shell/launcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>
#include <QUrl>

#include "base/globals.h"
#include "base/languages.h"
#include "base/log.h"
#include "platform/desktop.h"
#include "platform/installer.h"
#include "shell/exitpopup.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "shell/popupshade.h"
#include "welcome/welcomepage.h"

Launcher::Launcher(const ShellConfig& shellConfig, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_Launcher)
    , config(shellConfig)
{
    WLOG << "Launcher Constructor Initializing ...";
    setAttribute(Qt::WA_DeleteOnClose);
    installStartTranslator();
    ui->setupUi(this);
    setFixedSize(size());
    setWindowIcon(QIcon(":/images/icon.ico"));
    lockScreenLabel = ui->lockScreenLabel;
    lockScreenLabel->hide();
    shade = new PopupShade(lockScreenLabel);

    connect(ui->launcherSetupCamera_Button, &QPushButton::clicked, this, &Launcher::pressSetupIPCameraButton);
    connect(ui->launcherInstallViewer_Button, &QPushButton::clicked, this, &Launcher::pressInstallViewerButton);
    connect(ui->launcherManual_Button, &QPushButton::clicked, this, &Launcher::pressManualButton);
    connect(ui->launcherInstallPdfReader_Button, &QPushButton::clicked, this, &Launcher::pressInstallPdfReaderButton);
    connect(ui->launcherExit_Label, &QLabel::linkActivated, this, &Launcher::popupExit);
    translateTexts();
}

Launcher::~Launcher()
{
    delete ui;
    if (gLauncher == this)
        gLauncher = nullptr;
}

void Launcher::dimBehind(QWidget* popup)
{
    shade->cover(popup);
}

void Launcher::installStartTranslator()
{
    const QVector<Language>& table = languageTable();
    const Language& language = table[resolveStartLanguage(config.language, QLocale::system().name())];
    gCurrentLanguage = language.localeCode;
    if (!gTranslator)
        gTranslator = new QTranslator(qApp);
    if (!gTranslator->load(languageFolder() + language.fileName))
        gTranslator->load(languageFolder() + "en.qm");
    QApplication::installTranslator(gTranslator);
    WLOG << "interface language :" << gCurrentLanguage;
}

void Launcher::translateTexts()
{
    ui->launcherTitle_Label->setText(tr("Welcome"));
    ui->launcherSetupCamera_Button->setText(tr("Set up your camera"));
    ui->launcherInstallViewer_Button->setText(tr("Install the viewer software"));
    ui->launcherManual_Button->setText(tr("Read the manual"));
    ui->launcherInstallPdfReader_Button->setText(tr("Install a PDF reader"));
    MessageBoxPage::fitButtonColumn({ui->launcherSetupCamera_Button, ui->launcherInstallViewer_Button,
                                     ui->launcherManual_Button, ui->launcherInstallPdfReader_Button});
    ui->launcherExit_Label->setText(
        QString("<a href=\"exit\" style=\"color:#3399cc;text-decoration:none;\">%1</a>").arg(tr("Exit")));
}

void Launcher::pressSetupIPCameraButton()
{
    hide();
    gMainpage->showPage(nullptr, gWelcomePage);
    gMainpage->show();
}

void Launcher::pressInstallViewerButton()
{
    Platform::runInstallerBlocking(config.viewerInstaller);
}

void Launcher::pressInstallPdfReaderButton()
{
    Platform::runInstallerBlocking(config.pdfReaderInstaller);
}

void Launcher::pressManualButton()
{
    if (config.manuals.isEmpty()) {
        WLOG << "no manual configured";
        return;
    }
    const int row = languageIndex(gCurrentLanguage);
    const QString shortCode = row >= 0 ? languageTable()[row].shortCode : QString();
    QString path = config.manuals.first().second;
    for (const auto& manual : config.manuals)
        if (manual.first == shortCode) {
            path = manual.second;
            break;
        }
    if (!QFileInfo(path).isFile()) {
        WLOG << "manual not found :" << path;
        return;
    }
    Platform::openUrl(QUrl::fromLocalFile(path));
}

void Launcher::popupExit()
{
    openExitPopup(this, {tr("Exit"), tr("Do you really want to exit?"), tr("No"), tr("Yes")}, this);
}

void Launcher::pressMsgExitNoButton()
{
    MessageBoxPage::closeByName(this, kExitPopupName);
}

void Launcher::pressMsgExitYesButton()
{
    QCoreApplication::exit(0);
}

void Launcher::closeEvent(QCloseEvent* event)
{
    event->ignore();
    popupExit();
}
