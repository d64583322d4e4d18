#include "shell/messageboxpage.h"

#include <algorithm>

#include <QMap>

#include "base/globals.h"
#include "base/log.h"
#include "shell/launcher.h"
#include "shell/mainpage.h"
#include "shell/wizardpage.h"

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
        gMainpage->dimBehind(this);
    if (gLauncher)
        gLauncher->dimBehind(this);
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
    delete popup;
    return popup != nullptr;
}

namespace {
// The place the button had before it was first fitted: a later, shorter caption goes back to it.
QRect formPlace(QPushButton* button)
{
    const QVariant kept = button->property("formGeometry");
    if (kept.isValid())
        return kept.toRect();
    button->setProperty("formGeometry", button->geometry());
    return button->geometry();
}
}  // namespace

void MessageBoxPage::fitButtonRow(const QList<QPushButton*>& row)
{
    // From the right: the last button keeps its right edge, each one its gap to the next,
    // and a button grows to the left as far as its caption needs.
    QList<QRect> places;
    for (QPushButton* button : row)
        places.append(formPlace(button));
    int nextX = 0;
    for (int index = row.size() - 1; index >= 0; --index) {
        QPushButton* button = row[index];
        button->ensurePolished();
        const QRect& place = places[index];
        const int right = index + 1 < row.size() ? nextX - (places[index + 1].x() - place.right()) : place.right();
        const int width = std::max(place.width(), button->fontMetrics().horizontalAdvance(button->text()) + 12);
        button->setGeometry(right + 1 - width, place.y(), width, place.height());
        nextX = button->x();
    }
}

void MessageBoxPage::fitButtonRight(QPushButton* button)
{
    button->ensurePolished();
    const QRect place = formPlace(button);
    const int width = std::max(place.width(), button->fontMetrics().horizontalAdvance(button->text()) + 12);
    button->setGeometry(place.x(), place.y(), width, place.height());
}

QString MessageBoxPage::whiteButtonStyle()
{
    return WizardPage::faceStyle("btn_white", "btn_white_hover", "font-family:Verdana;font:12px;color:rgb(66,66,66);");
}

QString MessageBoxPage::blueButtonStyle()
{
    return WizardPage::faceStyle("btn_blue", "btn_hover", "font-family:Verdana;font:12px;color:rgb(255,255,255);");
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
{}

PopupBuilder& PopupBuilder::title(const QString& text, const QRect& geometry, Qt::Alignment alignment)
{
    QLabel* label = m_popup->ui->msgBoxTitile_Label;
    label->setText(text);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    // A longer title takes the room up to the popup's right margin.
    label->ensurePolished();
    const int need = label->sizeHint().width();
    if (need > geometry.width())
        label->resize(std::max(geometry.width(), std::min(need, m_popup->width() - geometry.x() - 20)),
                      geometry.height());
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

namespace {
// A content that needs more height than it was given makes the popup taller: the label grows
// down, what lies below it moves down with the popup's bottom, and the popup stays centred in
// its parent, never taller than the parent.
void growForText(MessageBoxPage* popup, QLabel* label)
{
    QWidget* parent = popup->parentWidget();
    const int grow = std::min(WizardPage::textHeight(label) - label->height(), parent->height() - popup->height());
    if (label->isHidden() || grow <= 0)
        return;
    const int bottom = label->geometry().bottom();
    for (QWidget* child : popup->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != label && child->y() > bottom)
            child->move(child->x(), child->y() + grow);
    label->resize(label->width(), label->height() + grow);
    const int height = popup->height() + grow;
    popup->setFixedHeight(height);
    popup->move(popup->x(), (parent->height() - height) / 2);
    popup->ui->msgBoxBackground_Label->resize(popup->width(), height);
}
}  // namespace

MessageBoxPage* PopupBuilder::open()
{
    growForText(m_popup, m_popup->ui->msgBoxContent_Label);
    growForText(m_popup, m_popup->ui->msgBoxContent2_Label);
    // The buttons placed on one line form a row that makes room for longer captions.
    QMap<int, QMap<int, QPushButton*>> rows;
    for (QPushButton* button : m_popup->findChildren<QPushButton*>())
        if (!button->isHidden() && button != m_popup->ui->msgBoxClose_Button)
            rows[button->y()].insert(button->x(), button);
    for (const QMap<int, QPushButton*>& row : rows)
        MessageBoxPage::fitButtonRow(row.values());
    m_popup->show();
    return m_popup;
}

void PopupBuilder::placeButton(QPushButton* button, const QString& text, ButtonStyle style, const QPoint& at)
{
    button->setStyleSheet(style == ButtonStyle::Blue ? MessageBoxPage::blueButtonStyle()
                                                     : MessageBoxPage::whiteButtonStyle());
    button->setText(text);
    button->setGeometry(at.x(), at.y(), 111, 24);
    button->show();
}
