#include "shell/messageboxpage.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QMap>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

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

// The room a caption keeps from each end of its button: the face's rounded end and as much again.
constexpr int kCaptionEnds = 12;

// The width a button needs for its caption with that room at both ends, or width when that is more.
int widthForCaption(QPushButton* button, int width)
{
    button->ensurePolished();
    return std::max(width, button->fontMetrics().horizontalAdvance(button->text()) + 2 * kCaptionEnds);
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
        const int width = widthForCaption(button, place.width());
        button->setGeometry(right + 1 - width, place.y(), width, place.height());
        nextX = button->x();
    }
}

void MessageBoxPage::fitButtonRight(QPushButton* button)
{
    button->ensurePolished();
    const QRect place = formPlace(button);
    button->setGeometry(place.x(), place.y(), widthForCaption(button, place.width()), place.height());
}

void MessageBoxPage::fitButtonColumn(const QList<QPushButton*>& column)
{
    int width = 0;
    for (QPushButton* button : column)
        width = std::max(width, widthForCaption(button, formPlace(button).width()));
    for (QPushButton* button : column) {
        const QRect place = formPlace(button);
        button->setGeometry(place.x() + (place.width() - width) / 2, place.y(), width, place.height());
    }
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

namespace {
// Chinese and Japanese: their lines break between any two characters, and no space parts their words.
bool spaceless(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x4dbf) || (u >= 0x4e00 && u <= 0x9fff) ||
           (u >= 0xf900 && u <= 0xfaff) || (u >= 0xff00 && u <= 0xffef);
}
}  // namespace

QString MessageBoxPage::flowingText(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("(?:<br\\s*/?>)+"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString flowing;
    int done = 0;
    for (auto found = breaks.globalMatch(text); found.hasNext();) {
        const QRegularExpressionMatch one = found.next();
        flowing += text.mid(done, one.capturedStart() - done);
        done = one.capturedEnd();
        const QChar before = one.capturedStart() > 0 ? text.at(one.capturedStart() - 1) : QChar(' ');
        const QChar after = done < text.size() ? text.at(done) : QChar(' ');
        if (one.captured().count('<') > 1)
            flowing += one.captured();
        else if (!before.isSpace() && !after.isSpace() && !spaceless(before) && !spaceless(after))
            flowing += ' ';
    }
    return flowing + text.mid(done);
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

namespace {
// Whether a paragraph of a label's text, as the label lays it out at its width, ends on a line of one letter after
// lines of its own.
bool endsOnOneLetter(const QLabel* label)
{
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setHtml(label->text());
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    doc.setDefaultTextOption(option);
    QTextFrameFormat root = doc.rootFrame()->frameFormat();
    root.setMargin(0);
    doc.rootFrame()->setFrameFormat(root);
    doc.setTextWidth(label->contentsRect().width() - 2 * label->margin());
    doc.documentLayout()->documentSize();  // lays the lines out now
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (int index = 0; block.layout() && index < block.layout()->lineCount(); ++index) {
            const QTextLine line = block.layout()->lineAt(index);
            lines << block.text().mid(line.textStart(), line.textLength()).trimmed();
        }
    for (int index = 1; index < lines.size(); ++index) {
        const int letters = int(
            std::count_if(lines[index].cbegin(), lines[index].cend(), [](QChar c) { return c.isLetterOrNumber(); }));
        if (letters == 1 && !lines[index - 1].isEmpty() && (index + 1 == lines.size() || lines[index + 1].isEmpty()))
            return true;
    }
    return false;
}
}  // namespace

PopupBuilder& PopupBuilder::flowingContent(const QString& text, const QRect& geometry)
{
    content(MessageBoxPage::richText(MessageBoxPage::flowingText(text)), geometry);
    QLabel* label = m_popup->ui->msgBoxContent_Label;
    label->ensurePolished();
    const int letter = label->fontMetrics().height();  // a Chinese or Japanese letter is about as wide
    while (endsOnOneLetter(label) && label->width() - letter >= geometry.width() * 4 / 5)
        label->resize(label->width() - letter, label->height());
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
    // Tab goes through the buttons as they read, row by row from the left, whichever the form named first, and
    // ends on the close cross.
    QWidget* before = m_popup;
    for (const QMap<int, QPushButton*>& row : rows)
        for (QPushButton* button : row) {
            QWidget::setTabOrder(before, button);
            before = button;
        }
    QWidget::setTabOrder(before, m_popup->ui->msgBoxClose_Button);
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
