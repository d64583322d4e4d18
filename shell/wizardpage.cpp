#include "shell/wizardpage.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QtMath>

void WizardPage::setForwardButtonEnabled(QPushButton* button, bool enabled)
{
    button->setEnabled(enabled);
    button->setStyleSheet(faceStyle(enabled ? "btn_blue" : "btn_blue_disable", QString(),
                                    "font-family:Verdana;font:12px;color:rgb(255,255,255);"));
}

QString WizardPage::faceStyle(const QString& face, const QString& hover, const QString& declarations)
{
    // The picture's edges, as wide as its rounded corners and a pixel more, stay as drawn and its middle
    // stretches: a background picture would repeat from the left and show its edge again inside a button
    // wider than itself. The padding gives the caption back the room the edges take.
    const QString picture = QStringLiteral("border-image:url(:/images/%1.png) 6 6 6 6 stretch stretch;");
    QString style = "QPushButton{" + picture.arg(face) + "border-width:6px;padding:-6px;" + declarations + "}";
    if (!hover.isEmpty())
        style += "QPushButton:hover{" + picture.arg(hover) + "}";
    return style;
}

int WizardPage::textHeight(const QLabel* label)
{
    label->ensurePolished();
    const int frame = label->height() - label->contentsRect().height() + 2 * label->margin();
    const int width = label->contentsRect().width() - 2 * label->margin();
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->fontMetrics().boundingRect(QRect(0, 0, width, 1 << 16), flags, label->text()).height() + frame;
    }
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setHtml(label->text());
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    doc.setDefaultTextOption(option);
    QTextFrameFormat root = doc.rootFrame()->frameFormat();
    root.setMargin(0);
    doc.rootFrame()->setFrameFormat(root);
    doc.setTextWidth(width);
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    qreal bottom = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const qreal top = layout->blockBoundingRect(block).top();
        for (int index = 0; block.layout() && index < block.layout()->lineCount(); ++index) {
            const QTextLine line = block.layout()->lineAt(index);
            // A line of spaces only (the end of a text that ends with a break) shows nothing.
            if (!block.text().mid(line.textStart(), line.textLength()).trimmed().isEmpty())
                bottom = std::max(bottom, top + line.y() + line.ascent() + line.descent());
        }
    }
    return qCeil(bottom) + frame;
}

int WizardPage::textWidth(const QLabel* label)
{
    label->ensurePolished();
    const int frame = label->width() - label->contentsRect().width() + 2 * label->margin();
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return label->fontMetrics().boundingRect(QRect(0, 0, 1 << 16, 1 << 16), 0, label->text()).width() + frame;
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setHtml(label->text());
    QTextFrameFormat root = doc.rootFrame()->frameFormat();
    root.setMargin(0);
    doc.rootFrame()->setFrameFormat(root);
    return qCeil(doc.idealWidth()) + frame;
}

void WizardPage::growToText(QLabel* label)
{
    const int grow = textHeight(label) - label->height();
    if (grow <= 0)
        return;
    int top = label->y();
    if (label->alignment() & Qt::AlignVCenter)
        top -= grow / 2;
    else if (label->alignment() & Qt::AlignBottom)
        top -= grow;
    const int height = label->height() + grow;
    if (const QWidget* parent = label->parentWidget())
        top = std::max(0, std::min(top, parent->height() - height));
    label->setGeometry(label->x(), top, label->width(), height);
}
