#include "welcome/oppspage.h"

#include <algorithm>

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QTimer>

#include "base/globals.h"
#include "base/log.h"
#include "shell/exitpopup.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "welcome/welcomepage.h"

namespace {
const char* const kLocalViewPopupName = "useLocalViewWarning";
constexpr int kContentHeight = 120;  // the form's
constexpr int kPictureX = 360;       // the local-only notice's picture, and the room its text keeps from it
constexpr int kPictureGap = 16;
}  // namespace

OppsPage::OppsPage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_OppsPage)
{
    WLOG << "OppsPage Constructor Initializing ...";
    ui->setupUi(this);
    connect(ui->oppsExit_PushButton, &QPushButton::clicked, this, &OppsPage::openExit);
    connect(ui->oppsLocalView_PushButton, &QPushButton::clicked, this, &OppsPage::popupLocalView);
    connect(ui->oppsRetry_PushButton, &QPushButton::clicked, this, &OppsPage::openRetry);
}

OppsPage::~OppsPage()
{
    delete ui;
}

void OppsPage::retranslate()
{
    ui->retranslateUi(this);
    fitTexts();
}

// Longer languages: the explanation wraps and grows, the hint below it moves down, and the
// buttons make room for their captions.
void OppsPage::fitTexts()
{
    QLabel* content = ui->oppsContent_Label;
    content->setWordWrap(false);
    const bool tooWide = content->sizeHint().width() > content->width();
    content->setWordWrap(tooWide);
    const int height = tooWide ? std::max(kContentHeight, content->heightForWidth(content->width())) : kContentHeight;
    content->resize(content->width(), height);
    ui->oppsHint_Label->move(ui->oppsHint_Label->x(), content->y() + height);
    growToText(ui->oppsHint_Label);
    MessageBoxPage::fitButtonRow({ui->oppsLocalView_PushButton, ui->oppsRetry_PushButton});
}

void OppsPage::openExit()
{
    QCoreApplication::exit(0);
}

void OppsPage::openRetry()
{
    gMainpage->showBusy();
    gWelcomePage->restartInternetCheck();
}

void OppsPage::popupLocalView()
{
    MessageBoxPage::build(gMainpage, kLocalViewPopupName, 618, 400)
        .title(tr("Local Viewing Only"), {80, 50, 440, 30})
        .flowingContent(
            tr("Please note that when setting this<br> camera up for local viewing only, you will<br> not be "
               "able to use the olvaris service<br> to remotely view camera.<br><br>If you would like to "
               "enable these features,<br>please make sure you are connected to<br>the Internet before "
               "running this wizard."),
            {80, 100, kPictureX - kPictureGap - 80, 200})
        .picture(":/images/local_view_only.png", {kPictureX, 120, 242, 177})
        .closeButton(this, &OppsPage::pressMsgCancelButton)
        .leftButton(tr("Cancel"), ButtonStyle::White, {360, 350}, this, &OppsPage::pressMsgCancelButton)
        .rightButton(tr("Next"), ButtonStyle::Blue, {480, 350}, this, &OppsPage::pressMsgOKButton)
        .open();
}

void OppsPage::pressMsgCancelButton()
{
    MessageBoxPage::closeByName(gMainpage, kLocalViewPopupName);
}

void OppsPage::pressMsgOKButton()
{
    isLocalView = true;
    gWelcomePage->clearAccessCaches();
    WLOG << "isLocalView ...";
    pressMsgCancelButton();
    openRetry();
}

// On the main window, as its other popups: the dimming lies between the question and the page, which then
// takes no click (a popup inside the page would have the dimming under the whole page).
void OppsPage::popupExit()
{
    openExitPopup(gMainpage, {tr("Exit"), tr("Do you really want to exit?"), tr("No"), tr("Yes")}, this);
}

void OppsPage::pressMsgExitNoButton()
{
    MessageBoxPage::closeByName(gMainpage, kExitPopupName);
}

void OppsPage::pressMsgExitYesButton()
{
    QCoreApplication::exit(0);
}
