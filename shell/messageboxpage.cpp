#include "shell/messageboxpage.h"

#include <algorithm>

#include "base/globals.h"
#include "shell/launcher.h"
#include "base/log.h"
#include "shell/mainpage.h"

MessageBoxPage::MessageBoxPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_MessageBoxPage)
{
    WLOG << "MessageBoxPage Constructor Initializing ...";
    ui->setupUi(this);
    setWindowIcon(QIcon(":/images/icon.ico"));
    // Frameless and on top, but still a child widget of the parent.
    setWindowFlags(Qt::Widget | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ui->msgBoxClose_Button->setStyleSheet(
        "QPushButton{background-image: url(:/images/btn_close_blue.png);font-family:Verdana;font:12px;"
        "color:rgb(255,255,255);border: 0px;} QPushButton:hover{background-image:url(:/images/btn_close_hover.png)}");
    ui->msgBoxBackground_Label->lower();
    ui->msgBoxTitleImage_Label->hide();
    ui->msgBoxContent_Label->hide();
    ui->msgBoxLeftBtn_Button->hide();
    ui->msgBoxRightBtn_Button->hide();
    ui->msgBoxImageLabel->hide();
    ui->msgBoxContent2_Label->hide();
    if (gMainpage)
        gMainpage->showDimming();
    if (gLauncher)
        gLauncher->lockScreenLabel->show();
}

MessageBoxPage::~MessageBoxPage()
{
    delete ui;
}

MessageBoxPage* MessageBoxPage::createCentred(QWidget* parent, const QString& name, int width, int height)
{
    MessageBoxPage* popup = new MessageBoxPage(parent);
    popup->setObjectName(name);
    popup->setGeometry((parent->width() - width) / 2, (parent->height() - height) / 2, width, height);
    popup->setFixedHeight(height);
    popup->ui->msgBoxBackground_Label->setGeometry(0, 0, width, height);
    popup->ui->msgBoxBackground_Label->show();
    return popup;
}

PopupBuilder MessageBoxPage::build(QWidget* parent, const QString& name, int width, int height)
{
    return PopupBuilder(parent, name, width, height);
}

bool MessageBoxPage::closeByName(QWidget* root, const QString& name)
{
    MessageBoxPage* popup = root ? root->findChild<MessageBoxPage*>(name) : nullptr;
    if (gMainpage)
        gMainpage->hideDimming();
    if (gLauncher)
        gLauncher->lockScreenLabel->hide();
    delete popup;
    return popup != nullptr;
}

QString MessageBoxPage::whiteButtonStyle()
{
    return "QPushButton{background-image: url(:/images/btn_white.png);font-family:Verdana;font:12px;"
           "color:rgb(66,66,66);border: 0px;} QPushButton:hover{background-image:url(:/images/btn_white_hover.png)}";
}

QString MessageBoxPage::blueButtonStyle()
{
    return "QPushButton{background-image: url(:/images/btn_blue.png);font-family:Verdana;font:12px;"
           "color:rgb(255,255,255);border: 0px;} QPushButton:hover{background-image:url(:/images/btn_hover.png)}";
}

QString MessageBoxPage::richText(const QString& text)
{
    return "<p style=line-height:24px><font face=Verdana color=#666666>" + text + "</font></p>";
}

void MessageBoxPage::showEvent(QShowEvent* event)
{
    raise();
    QWidget::showEvent(event);
}

PopupBuilder::PopupBuilder(QWidget* parent, const QString& name, int width, int height)
    : m_popup(MessageBoxPage::createCentred(parent, name, width, height))
{
}

PopupBuilder& PopupBuilder::title(const QString& text, const QRect& geometry, Qt::Alignment alignment)
{
    QLabel* label = m_popup->ui->msgBoxTitile_Label;
    label->setText(text);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    label->show();
    return *this;
}

PopupBuilder& PopupBuilder::content(const QString& text, const QRect& geometry)
{
    QLabel* label = m_popup->ui->msgBoxContent_Label;
    label->setGeometry(geometry);
    label->setText(text);
    label->show();
    return *this;
}

PopupBuilder& PopupBuilder::secondContent(const QString& text, const QRect& geometry)
{
    QLabel* label = m_popup->ui->msgBoxContent2_Label;
    label->setGeometry(geometry);
    label->setText(text);
    label->show();
    return *this;
}

PopupBuilder& PopupBuilder::openLinks()
{
    m_popup->ui->msgBoxContent_Label->setOpenExternalLinks(true);
    return *this;
}

PopupBuilder& PopupBuilder::picture(const QString& resource, const QRect& geometry)
{
    QLabel* label = m_popup->ui->msgBoxImageLabel;
    label->setPixmap(QPixmap(resource).scaled(geometry.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    label->setGeometry(geometry);
    label->show();
    return *this;
}

MessageBoxPage* PopupBuilder::open()
{
    m_popup->show();
    return m_popup;
}

void PopupBuilder::placeButton(QPushButton* button, const QString& text, ButtonStyle style, const QPoint& at)
{
    button->setStyleSheet(style == ButtonStyle::Blue ? MessageBoxPage::blueButtonStyle()
                                                     : MessageBoxPage::whiteButtonStyle());
    button->setText(text);
    // A caption longer than the button widens it to the left, towards the popup's free side.
    button->ensurePolished();
    const int width = std::max(111, button->fontMetrics().horizontalAdvance(text) + 12);
    button->setGeometry(at.x() + 111 - width, at.y(), width, 24);
    button->show();
}
