#include "shell/exitpopup.h"

#include "shell/log.h"
#include "shell/messageboxpage.h"

MessageBoxPage* openExitPopup(QWidget* owner, const ExitPopupTexts& texts, QObject* receiver)
{
    if (owner->findChild<MessageBoxPage*>(kExitPopupName))
        return nullptr;
    WLOG << "open msgbox ...";
    const int w = 618;
    const int h = 250;
    MessageBoxPage* popup = MessageBoxPage::createCentred(owner, kExitPopupName, w, h);
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxTitile_Label->setText(texts.title);
    box->msgBoxTitile_Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->msgBoxTitile_Label->setGeometry(60, 30, 510, 30);
    box->msgBoxTitile_Label->show();
    box->msgBoxContent_Label->setGeometry(60, 60, 500, 100);
    box->msgBoxContent_Label->setText("<p style=line-height:24px><font color=#666666>" + texts.question
                                      + "</font></p>");
    box->msgBoxContent_Label->show();
    box->msgBoxImageLabel->hide();
    QObject::connect(box->msgBoxClose_Button, SIGNAL(clicked()), receiver, SLOT(pressMsgExitNoButton()));
    box->msgBoxClose_Button->show();
    QObject::connect(box->msgBoxRightBtn_Button, SIGNAL(clicked()), receiver, SLOT(pressMsgExitNoButton()));
    box->msgBoxRightBtn_Button->setStyleSheet(MessageBoxPage::blueButtonStyle());
    box->msgBoxRightBtn_Button->setText(texts.no);
    box->msgBoxRightBtn_Button->setGeometry(360, 180, 111, 24);
    box->msgBoxRightBtn_Button->show();
    QObject::connect(box->msgBoxLeftBtn_Button, SIGNAL(clicked()), receiver, SLOT(pressMsgExitYesButton()));
    box->msgBoxLeftBtn_Button->setStyleSheet(MessageBoxPage::whiteButtonStyle());
    box->msgBoxLeftBtn_Button->setText(texts.yes);
    box->msgBoxLeftBtn_Button->setGeometry(480, 180, 111, 24);
    box->msgBoxLeftBtn_Button->show();
    popup->show();
    return popup;
}
