#include "launcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLocale>
#include <QTranslator>
#include <QUrl>

#include "globals.h"
#include "languages.h"
#include "log.h"
#include "mainpage.h"
#include "messageboxpage.h"
#include "platform/desktop.h"
#include "platform/installer.h"
#include "welcome/welcomepage.h"

namespace {
const char* const kExitPopupName = "exitWarning";
}

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

    const QString blue = MessageBoxPage::blueButtonStyle();
    for (QPushButton* button : {ui->launcherSetupCamera_Button, ui->launcherInstallViewer_Button,
                                ui->launcherManual_Button, ui->launcherInstallPdfReader_Button})
        button->setStyleSheet(blue);
    connect(ui->launcherSetupCamera_Button, SIGNAL(clicked()), this, SLOT(pressSetupIPCameraButton()));
    connect(ui->launcherInstallViewer_Button, SIGNAL(clicked()), this, SLOT(pressInstallViewerButton()));
    connect(ui->launcherManual_Button, SIGNAL(clicked()), this, SLOT(pressManualButton()));
    connect(ui->launcherInstallPdfReader_Button, SIGNAL(clicked()), this, SLOT(pressInstallPdfReaderButton()));
    connect(ui->launcherExit_Label, SIGNAL(linkActivated(QString)), this, SLOT(popupExit()));
    translateTexts();
}

Launcher::~Launcher()
{
    delete ui;
    if (gLauncher == this)
        gLauncher = nullptr;
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
    ui->launcherExit_Label->setText(
        QString("<a href=\"exit\" style=\"color:#3399cc;text-decoration:none;\">%1</a>").arg(tr("Exit")));
}

void Launcher::pressSetupIPCameraButton()
{
    hide();
    gMainpage->ui->mainlLayout->addWidget(gWelcomePage, 0, Qt::Alignment());
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
    Platform::openUrl(QUrl::fromLocalFile(path));
}

void Launcher::popupExit()
{
    if (findChild<MessageBoxPage*>(kExitPopupName))
        return;
    MessageBoxPage* popup = new MessageBoxPage(this);
    popup->setObjectName(kExitPopupName);
    const int w = 618;
    const int h = 250;
    popup->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
    popup->setFixedHeight(h);
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxTitile_Label->setText(tr("Exit"));
    box->msgBoxContent_Label->setText(QString("<p style=line-height:24px><font color=#666666>%1</font></p>")
                                          .arg(tr("Do you really want to exit?")));
    box->msgBoxContent_Label->show();
    box->msgBoxRightBtn_Button->setStyleSheet(MessageBoxPage::blueButtonStyle());
    box->msgBoxRightBtn_Button->setText(tr("No"));
    box->msgBoxRightBtn_Button->show();
    box->msgBoxLeftBtn_Button->setStyleSheet(MessageBoxPage::whiteButtonStyle());
    box->msgBoxLeftBtn_Button->setText(tr("Yes"));
    box->msgBoxLeftBtn_Button->show();
    connect(box->msgBoxRightBtn_Button, SIGNAL(clicked()), this, SLOT(pressMsgExitNoButton()));
    connect(box->msgBoxClose_Button, SIGNAL(clicked()), this, SLOT(pressMsgExitNoButton()));
    connect(box->msgBoxLeftBtn_Button, SIGNAL(clicked()), this, SLOT(pressMsgExitYesButton()));
    popup->show();
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
