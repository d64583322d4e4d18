// Preloaded into the wizard by the end-to-end harness: once the application object exists it
// watches its working folder for "textdump.request" and runs the request's commands: write the
// texts of every visible widget as JSON to a file (where the letters are, laid out as the widget
// lays them out, the page they are on, a label's or text box's drawn lines, bold runs and point size,
// and whether they are cut by their room, their parents or the window, or cover another text of the
// same popup or window; each tooltip as Qt's tip window shows it, which must fit its screen; each entry
// of a list in its field as the list draws it once chosen, and as the list opens; each month or hour of a
// date or time edit in its field; the colours and font styles a text is drawn in and what lies behind it; a
// button's style sheet and the sizes of its pictures; each label's drawn lines as their glyphs take them (with their
// baselines and the room their fonts ask above and below them), and where a push button draws its caption; every
// widget's place in its window's painting, and what each picture, control or shade paints and where; a control's
// state (a field's echo and read-only, where a text box or list stands scrolled, a list's chosen rows, whether it has
// the keyboard's focus and, for one Tab reaches, the mark it shows once it has it), a list's open
// entries and where a person clicks them; the text of the page a web view shows), call a page's slot (a popup), show
// a page as it was left or enter it as the main window does, close the popups, choose a list's entry, show or hide a
// widget, save a window's screen as a picture. Then it removes the request.

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QWebFrame>
#include <QWebView>
#include <QtMath>

#include "shell/wizardpage.h"

namespace {

const char kRequest[] = "textdump.request";

QRect inWindow(const QWidget* widget, const QRect& local)
{
    return local.translated(widget->mapTo(widget->window(), QPoint(0, 0)));
}

QJsonArray jsonRect(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The popup or box a widget belongs to, else its window: texts overlap only within one.
const QWidget* boxOf(const QWidget* widget)
{
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (up->isWindow() || QByteArray(up->metaObject()->className()).contains("MessageBox"))
            return up;
    return widget;
}

// The page a widget is drawn on: the wizard page or panel that holds it, else its popup, box or window.
const QWidget* pageOf(const QWidget* widget)
{
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (up->inherits("WizardPage") || up->isWindow() ||
            QByteArray(up->metaObject()->className()).contains("MessageBox"))
            return up;
    return widget;
}

// Where each visible widget is drawn in its window's painting: a parent before its children, a later
// sibling over an earlier one; at: its place, last: the last place its descendants take.
struct Drawing
{
    int at;
    int last;
};
QHash<const QWidget*, Drawing> drawing;

void numberDrawing(const QWidget* widget, int& next)
{
    const int at = next++;
    for (const QObject* child : widget->children())
        if (auto childWidget = qobject_cast<const QWidget*>(child))
            if (!childWidget->isWindow() && childWidget->isVisible())
                numberDrawing(childWidget, next);
    drawing.insert(widget, {at, next - 1});
}

QJsonObject entry(const QWidget* widget, const char* kind, const QString& text)
{
    QJsonObject item;
    if (drawing.contains(widget))
        item["z"] = QJsonArray{drawing[widget].at, drawing[widget].last};
    item["window"] = widget->window()->windowTitle();
    item["box"] = boxOf(widget)->objectName();
    item["page"] = pageOf(widget)->objectName();
    item["class"] = QString::fromLatin1(widget->metaObject()->className());
    item["name"] = widget->objectName();
    item["kind"] = QString::fromLatin1(kind);
    item["text"] = text;
    item["rect"] = jsonRect(inWindow(widget, widget->rect()));
    return item;
}

// What the parent chain lets through of a widget, in window coordinates.
QRect visibleArea(const QWidget* widget)
{
    QRect area = inWindow(widget, widget->rect());
    for (const QWidget* up = widget; !up->isWindow();) {
        up = up->parentWidget();
        area &= inWindow(up, up->rect());
    }
    return area;
}

// A text on the screen: where its letters are (window coordinates), for the overlap check.
struct Placed
{
    const QWidget* widget;
    const QWidget* box;
    QRect area;
    QString text;
};
QList<Placed> placed;

// How far a line's box may reach beyond the room before letters are cut: the part of the line's
// box (as tall as the fonts its letters take make it) that this text's glyphs leave empty.
QMargins emptyEdges(const QFont& font, const QString& text)
{
    QString shown = text;
    shown.replace('\n', ' ');
    if (shown.trimmed().isEmpty())
        shown = QStringLiteral("x");
    QTextLayout layout(shown, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QFontMetrics metrics(font);
    const int box = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 10), Qt::AlignLeft | Qt::AlignTop, shown).height();
    const int ascent = qCeil(line.ascent());
    const QRect tight = metrics.tightBoundingRect(shown);
    return {0, std::max(0, ascent + tight.top()), 0, std::max(0, box - ascent - tight.bottom() - 1)};
}

// The colour a widget draws its text in (a placeholder: its own).
QString textColour(const QWidget* widget, const char* kind)
{
    const bool placeholder = qstrcmp(kind, "placeholder") == 0;
    return widget->palette().color(placeholder ? QPalette::PlaceholderText : widget->foregroundRole()).name();
}

// The point size a font asks for (one given in pixels: as drawn), to a tenth.
double pointsOf(const QFont& font)
{
    return qRound((font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF()) * 10) / 10.0;
}

// A font's style as a reader tells it apart: family, size, weight, slant and lines.
QString fontStyle(const QFont& font)
{
    QStringList style{font.family(), QString::number(pointsOf(font))};
    if (font.weight() > QFont::Normal)
        style << QStringLiteral("bold");
    if (font.italic())
        style << QStringLiteral("italic");
    if (font.underline())
        style << QStringLiteral("underline");
    if (font.strikeOut())
        style << QStringLiteral("struck");
    return style.join(' ');
}

// Each window as drawn at this dump, taken once a dump.
QHash<const QWidget*, QImage> drawnWindows;

// What lies behind a text: the colour most pixels of its place (window coordinates) have, as the window
// draws it; invalid where another widget covers the text (a popup's shade, a box over its page).
QColor groundOf(const QWidget* widget, const QRect& place)
{
    QWidget* window = widget->window();
    const QRect area = place & window->rect();
    const QWidget* top = area.isEmpty() ? nullptr : window->childAt(area.center());
    if (!top || (top != widget && !widget->isAncestorOf(top)))
        return {};
    if (!drawnWindows.contains(window))
        drawnWindows.insert(window, window->grab().toImage());
    const QImage& drawn = drawnWindows[window];
    QHash<QRgb, int> counts;
    QRgb most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            if (++counts[pixel] > counts.value(most))
                most = pixel;
        }
    return QColor(most);
}

// The entry of a text whose letters lie at ink (widget coordinates) in the room it may take.
// Clipped when the letters reach out of the room, or out of the parents or the window; frame
// is the part of the widget that must be seen whole (a button's face), else the letters.
QJsonObject measured(const QWidget* widget, const char* kind, const QString& text, const QRect& ink, const QRect& room,
                     const QMargins& slack = {}, const QRect& frame = {})
{
    QJsonObject item = entry(widget, kind, text);
    const QRect allowed = room.marginsAdded(slack + QMargins(1, 0, 1, 0));
    const bool cut = !allowed.contains(ink);
    const QRect seen = frame.isNull() ? (ink & room) : frame;
    const QRect area = visibleArea(widget->parentWidget() ? widget->parentWidget() : widget);
    const QRect shown = inWindow(widget, seen);
    const bool outside = !area.marginsAdded(slack + QMargins(1, 1, 1, 1)).contains(shown);
    item["need"] = QJsonArray{ink.width(), ink.height()};
    item["room"] = QJsonArray{room.width(), room.height()};
    item["ink"] = jsonRect(shown);
    item["letters"] = jsonRect(inWindow(widget, ink));
    item["allowed"] = jsonRect(inWindow(widget, allowed));
    item["clipped"] = cut || outside;
    if (cut || outside)
        item["why"] = cut ? QStringLiteral("cut") : QStringLiteral("outside its parent");
    // What covers another text: the letters themselves (the line's empty edges left out), or the face.
    const QRect letters = frame.isNull() ? (ink.marginsRemoved(slack) & room) : frame;
    placed.append({widget, boxOf(widget), inWindow(widget, letters) & area, text});
    item["drawn"] = jsonRect(placed.last().area);
    item["colours"] = QJsonArray{textColour(widget, kind)};
    item["fonts"] = QJsonArray{fontStyle(widget->font())};
    item["enabled"] = widget->isEnabled();
    // Around the letters: the part of the widget seen whole, else the text's room (dense letters, a CJK
    // line's, may take most of the pixels of their own place).
    const QColor ground = groundOf(widget, inWindow(widget, frame.isNull() ? room : frame) & area);
    if (ground.isValid())
        item["ground"] = ground.name();
    return item;
}

// The room QLabel gives its text: the contents less margin and indent.
QRect labelRoom(const QLabel* label)
{
    QRect room = label->contentsRect();
    room.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    int indent = label->indent();
    if (indent < 0 && label->frameWidth())
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label->margin();
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (align & Qt::AlignRight)
            room.setRight(room.right() - indent);
        if (align & Qt::AlignTop)
            room.setTop(room.top() + indent);
        if (align & Qt::AlignBottom)
            room.setBottom(room.bottom() - indent);
    }
    return room;
}

// A rich label's text laid out as QLabel lays it out, at the room's width.
void layOut(QTextDocument& doc, const QLabel* label, const QRect& room)
{
    doc.setDefaultFont(label->font());
    doc.setHtml(label->text());
    QTextOption option = doc.defaultTextOption();
    option.setAlignment(QStyle::visualAlignment(label->layoutDirection(), label->alignment()));
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    doc.setDefaultTextOption(option);
    QTextFrameFormat frame = doc.rootFrame()->frameFormat();
    frame.setMargin(0);
    doc.rootFrame()->setFrameFormat(frame);
    doc.setTextWidth(room.width());
    doc.documentLayout()->documentSize();  // lays the lines out now
}

// The letters of a laid-out line as its glyphs' outlines take them (not the line's height), relative
// to its layout.
QRectF glyphsOf(const QTextLine& line)
{
    QRectF glyphs;
    for (const QGlyphRun& run : line.glyphRuns()) {  // a run's own bounding rect is the line's height
        const QVector<quint32> indexes = run.glyphIndexes();
        const QVector<QPointF> positions = run.positions();
        for (int at = 0; at < std::min(indexes.size(), positions.size()); ++at)
            glyphs |= run.rawFont().boundingRect(indexes[at]).translated(positions[at]);
    }
    return glyphs;
}

// A drawn line of a label: where its glyphs are, its baseline, and the room its fonts ask above the baseline
// (ascent) and below it before the next line's ascent (descent and leading, which may be negative).
struct DrawnLine
{
    QRect glyphs;
    qreal baseline;
    qreal ascent;
    qreal below;
};

DrawnLine drawnLine(const QTextLine& line, const QPointF& at, qreal leading)
{
    return {glyphsOf(line).translated(at).toAlignedRect(), at.y() + line.y() + line.ascent(), line.ascent(),
            line.descent() + leading};
}

// Where the letters of a rich label, laid out in doc, are; underline: the lowest row its
// underlines reach, or -1; drawn: each drawn line.
QRect richInk(const QTextDocument& doc, const QLabel* label, const QRect& room, int* underline, QList<DrawnLine>* drawn)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const qreal height = layout->documentSize().height();
    qreal top = 0;  // QLabel centres or lowers a text that fits, and draws one that does not from the top
    if (label->alignment() & Qt::AlignVCenter)
        top = std::max((room.height() - height) / 2, 0.0);
    else if (label->alignment() & Qt::AlignBottom)
        top = std::max(room.height() - height, 0.0);
    QRectF ink;
    qreal lowest = -1;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const QPointF at = layout->blockBoundingRect(block).topLeft();
        for (int index = 0; lines && index < lines->lineCount(); ++index) {
            const QTextLine line = lines->lineAt(index);
            if (block.text().mid(line.textStart(), line.textLength()).trimmed().isEmpty())
                continue;
            QRectF letters = line.naturalTextRect();
            letters.setHeight(line.ascent() + line.descent());
            ink |= letters.translated(at);
            if (!glyphsOf(line).isEmpty())
                drawn->append(drawnLine(line, at, line.leading()));
            // A run's underline lies where its own font puts it, below the line's baseline.
            for (const QGlyphRun& run : line.glyphRuns())
                if (run.underline())
                    lowest = std::max(lowest, at.y() + line.y() + line.ascent() + run.rawFont().underlinePosition() +
                                                  run.rawFont().lineThickness());
        }
    }
    *underline = lowest < 0 ? -1 : room.y() + qCeil(top + lowest) - 1;
    const QPoint offset(room.x(), room.y() + qRound(top));
    for (DrawnLine& line : *drawn) {
        line.glyphs.translate(offset);
        line.baseline += offset.y();
    }
    return ink.translated(room.x(), room.y() + top).toAlignedRect();
}

// A plain label's text, font and wrapping given to layout as the label draws them (its line breaks as line
// separators), its lines still to be laid out.
void setPlainText(QTextLayout& layout, const QLabel* label)
{
    QString text = label->text();
    text.replace('\n', QChar::LineSeparator);
    layout.setText(text);
    layout.setFont(label->font());
    QTextOption option;
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
}

// Each line of a plain label, laid out as QPainter::drawText lays it out in the room: the lines one under
// another on whole pixels, the font's leading between them (negative where its ascent and descent, each
// rounded up, overlap), aligned in the room as the label aligns them.
QList<DrawnLine> plainLines(const QLabel* label, const QRect& room)
{
    QTextLayout layout;
    setPlainText(layout, label);
    const qreal leading = label->fontMetrics().leading();
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        if (line.lineNumber() > 0)
            height = qCeil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    qreal top = room.y();
    if (align & Qt::AlignVCenter)
        top += (room.height() - height) / 2;
    else if (align & Qt::AlignBottom)
        top += room.height() - height;
    QList<DrawnLine> lines;
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        qreal left = room.x();
        if (align & Qt::AlignRight)
            left += room.width() - line.naturalTextWidth();
        else if (align & Qt::AlignHCenter)
            left += (room.width() - line.naturalTextWidth()) / 2;
        if (!glyphsOf(line).isEmpty())
            lines.append(drawnLine(line, QPointF(left, top), leading));
    }
    return lines;
}

QString lineText(const QString& text, const QTextLine& line)
{
    QString shown = text.mid(line.textStart(), line.textLength());
    shown.remove(QChar::LineSeparator);
    return shown.trimmed();
}

// The lines a label or text box draws, top to bottom, its bold runs with the lines each is drawn
// on, and the point size most of its letters are drawn in; doc: its text laid out (a rich text's runs
// may set their own size), null for a plain label.
void addLines(QJsonObject& item, const QLabel* label, const QTextDocument* doc, const QRect& room)
{
    QJsonArray lines;
    QJsonArray bold;
    QHash<double, int> sizes;  // point size: letters
    if (doc) {
        QJsonObject run;
        QJsonArray runLines;
        const auto endRun = [&] {
            if (!run.isEmpty()) {
                run["lines"] = runLines;
                bold.append(run);
            }
            run = QJsonObject();
            runLines = QJsonArray();
        };
        QJsonArray colours;  // a rich text's runs may set their own colour and font
        QJsonArray fonts;
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                const QString colour = format.foreground().style() == Qt::NoBrush
                                           ? item["colours"].toArray().first().toString()
                                           : format.foreground().color().name();
                const QString font = fontStyle(format.font().resolve(doc->defaultFont()));
                if (fragment.fragment().text().trimmed().isEmpty())
                    continue;
                if (!colours.contains(colour))
                    colours.append(colour);
                if (!fonts.contains(font))
                    fonts.append(font);
            }
        if (!colours.isEmpty()) {
            item["colours"] = colours;
            item["fonts"] = fonts;
        }
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            const int first = lines.size();
            for (int index = 0; layout && index < layout->lineCount(); ++index)
                lines.append(lineText(block.text(), layout->lineAt(index)));
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextFragment part = fragment.fragment();
                sizes[pointsOf(part.charFormat().font().resolve(doc->defaultFont()))] += part.text().trimmed().size();
                if (part.charFormat().fontWeight() <= QFont::Normal) {
                    endRun();
                    continue;
                }
                for (int at = part.position(); at < part.position() + part.length(); ++at) {
                    const QChar letter = doc->characterAt(at);
                    if (letter.isSpace() || letter == QChar::LineSeparator)
                        continue;
                    const int line = first + layout->lineForTextPosition(at - block.position()).lineNumber();
                    if (!runLines.contains(line))
                        runLines.append(line);
                }
                run["text"] = run["text"].toString() + part.text();
            }
            endRun();
        }
    } else {
        QTextLayout layout;
        setPlainText(layout, label);
        const QString text = layout.text();
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(room.width());
        layout.endLayout();
        for (int index = 0; index < layout.lineCount(); ++index)
            lines.append(lineText(text, layout.lineAt(index)));
    }
    item["lines"] = lines;
    item["bold"] = bold;
    double points = pointsOf(doc ? doc->defaultFont() : label->font());
    for (auto size = sizes.cbegin(); size != sizes.cend(); ++size)
        if (size.value() > sizes.value(points))
            points = size.key();
    item["points"] = points;
}

void addLabel(QJsonArray& out, const QLabel* label)
{
    if (label->text().isEmpty())
        return;
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    const QRect room = labelRoom(label);
    QRect ink;
    int underline = -1;
    QString shown = label->text();
    QTextDocument doc;
    QList<DrawnLine> lines;
    if (rich) {
        layOut(doc, label, room);
        ink = richInk(doc, label, room, &underline, &lines);
        shown = doc.toPlainText();
    } else {
        int flags = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        ink = label->fontMetrics().boundingRect(room, flags, label->text());
        lines = plainLines(label, room);
    }
    if (ink.isEmpty())
        return;
    QMargins slack = emptyEdges(label->font(), shown);
    if (underline >= 0)  // the underline is ink too
        slack.setBottom(std::max(0, std::min(slack.bottom(), ink.bottom() - underline)));
    QJsonObject item = measured(label, "text", label->text(), ink, room, slack);
    addLines(item, label, rich ? &doc : nullptr, room);
    // Each drawn line's glyphs, as far as the parents let them be seen, for what lies beside them; and its
    // baseline with the room its fonts ask above and below it, for the room between the lines.
    const QRect area = visibleArea(label);
    const int down = label->mapTo(label->window(), QPoint(0, 0)).y();
    QJsonArray glyphs, baselines;
    for (const DrawnLine& line : lines)
        if (!(inWindow(label, line.glyphs) & area).isEmpty()) {
            glyphs.append(jsonRect(inWindow(label, line.glyphs) & area));
            baselines.append(QJsonArray{qRound((line.baseline + down) * 100) / 100.0, line.ascent, line.below});
        }
    item["glyphs"] = glyphs;
    item["baselines"] = baselines;
    item["body"] = pointsOf(pageOf(label)->font());  // the size its page gives the labels that keep its font
    out.append(item);
}

// A button's face: a background picture of its style sheet repeats from its top left corner, so a
// button wider or taller than its picture shows the picture's edge inside; the caption must stay
// on the first copy.
QRect faceOf(const QWidget* widget)
{
    static const QRegularExpression picture(QStringLiteral("background-image\\s*:\\s*url\\(([^)]+)\\)"));
    const QString style = widget->styleSheet();
    const QRegularExpressionMatch match = picture.match(style);
    if (!match.hasMatch() || style.contains(QLatin1String("background-repeat")))
        return widget->rect();
    const QSize size = QPixmap(match.captured(1).trimmed()).size();
    if (size.isEmpty())
        return widget->rect();
    return QRect(0, 0, std::min(size.width(), widget->width()), std::min(size.height(), widget->height()));
}

// A button's style sheet and the application's rules that name it, with the size of each picture they
// draw, for the check of its face against its size.
void addFace(QJsonObject& item, const QWidget* widget)
{
    static const QRegularExpression rule(QStringLiteral("([^{}]*)\\{[^}]*\\}"));
    static const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
    const QRegularExpression named("#" + QRegularExpression::escape(widget->objectName()) + "(?![\\w-])");
    QString style = widget->styleSheet();
    for (auto rules = rule.globalMatch(qApp->styleSheet()); rules.hasNext();) {
        const QRegularExpressionMatch one = rules.next();
        if (named.match(one.captured(1)).hasMatch())
            style += '\n' + one.captured(0).trimmed();
    }
    QJsonObject pictures;
    for (auto urls = url.globalMatch(style); urls.hasNext();) {
        const QString name = urls.next().captured(1).trimmed();
        const QSize size = QPixmap(name).size();
        pictures[name] = QJsonArray{size.width(), size.height()};
    }
    if (pictures.isEmpty())
        return;
    item["style"] = style;
    item["pictures"] = pictures;
}

// The room a push button's style gives its caption: the face less its frame and padding.
QStyleOptionButton buttonOption(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (button->isFlat())
        option.features |= QStyleOptionButton::Flat;
    if (button->menu())
        option.features |= QStyleOptionButton::HasMenu;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    return option;
}

QRect captionRoom(const QPushButton* button)
{
    const QStyleOptionButton option = buttonOption(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

// Where a push button's caption is drawn (widget coordinates): the pixels its style paints otherwise with the
// caption than without it.
QRect captionInk(const QPushButton* button)
{
    QStyleOptionButton option = buttonOption(button);
    const auto draw = [&](const QStyleOptionButton& with) {
        QImage image(button->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        button->style()->drawControl(QStyle::CE_PushButton, &with, &painter, button);
        return image;
    };
    const QImage with = draw(option);
    option.text.clear();
    const QImage without = draw(option);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

void addButton(QJsonArray& out, const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return;
    const QFontMetrics metrics = button->fontMetrics();
    const QRect room = button->rect();
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
        // The box and its caption from the left, as wide as they need; the caption's line in the middle.
        const int width = button->sizeHint().width();
        const int height = metrics.height();
        const QRect ink(0, (room.height() - height) / 2, width, height);
        out.append(measured(button, "text", button->text(), ink, room, emptyEdges(button->font(), button->text())));
        return;
    }
    // The caption is centred in the room the style gives it; it must stay on the button and on its picture.
    auto push = qobject_cast<const QPushButton*>(button);
    const QRect caption = push ? captionRoom(push) : room;
    const QRect ink = metrics.boundingRect(caption, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    const QMargins slack = emptyEdges(button->font(), button->text());
    const QRect across(caption.left(), room.top(), caption.width(), room.height());
    QJsonObject item = measured(button, "text", button->text(), ink, across & faceOf(button), slack, room);
    // Where the caption is drawn, for its room to the button's ends.
    if (push)
        item["caption"] = jsonRect(inWindow(button, captionInk(push)));
    out.append(item);
}

// A list's field width wide with an entry chosen, as the list's style draws it.
QStyleOptionComboBox fieldOption(const QComboBox* combo, int row, int width)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = QRect(0, 0, width, combo->height());
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.currentText = combo->itemText(row);
    option.currentIcon = combo->itemIcon(row);
    option.iconSize = combo->iconSize();
    option.subControls = QStyle::SC_All;
    return option;
}

// The field drawn with the entry of row chosen (-1: none).
QImage drawnField(const QComboBox* combo, int row, int width)
{
    const QStyleOptionComboBox option = fieldOption(combo, row, width);
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    combo->style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, combo);
    combo->style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, combo);
    return image;
}

bool sameColumn(const QImage& one, int x, const QImage& other, int otherX)
{
    for (int y = 0; y < one.height(); ++y)
        if (one.pixel(x, y) != other.pixel(otherX, y))
            return false;
    return true;
}

// A field's letters: where it is drawn otherwise than empty, column by column.
struct Letters
{
    QImage with;
    QImage without;
    bool at(int x, int y) const { return with.pixel(x, y) != without.pixel(x, y); }
    bool inColumn(int x) const { return !sameColumn(with, x, without, x); }
    bool sameLetters(const Letters& other, int x) const
    {
        for (int y = 0; y < with.height(); ++y)
            if (at(x, y) != other.at(x, y))
                return false;
        return true;
    }
};

// How an entry shows in its list's field once chosen: x, where its letters end when the field is as
// wide as they like; y, up to where the list's own field draws the same letters.
QPoint fieldFit(const QComboBox* combo, int row)
{
    static QHash<QString, QPoint> known;
    const int width = combo->width();
    const QString key = QStringList{combo->objectName(), QString::number(width), combo->font().toString(),
                                    combo->styleSheet(), combo->itemText(row)}
                            .join('\n');
    if (!known.contains(key)) {
        const int wide = width + combo->fontMetrics().horizontalAdvance(combo->itemText(row)) + 200;
        const Letters free{drawnField(combo, row, wide), drawnField(combo, -1, wide)};
        const Letters shown{drawnField(combo, row, width), drawnField(combo, -1, width)};
        int end = wide;
        while (end > 0 && !free.inColumn(end - 1))
            --end;
        int same = 0;
        while (same < std::min(end, width) && free.sameLetters(shown, same))
            ++same;
        known.insert(key, QPoint(end, same));
    }
    return known.value(key);
}

// Each entry of a list drawn in its field as the list draws it once that entry is chosen.
void addCombo(QJsonArray& out, const QComboBox* combo)
{
    for (int row = 0; row < combo->count(); ++row) {
        const QString text = combo->itemText(row);
        const QPoint fit = fieldFit(combo, row);
        const int height = combo->fontMetrics().height();
        if (row != combo->currentIndex()) {
            // Another entry shows in the same field once chosen.
            QJsonObject item = entry(combo, "item", text);
            item["need"] = QJsonArray{fit.x(), height};
            item["room"] = QJsonArray{fit.y(), height};
            item["ink"] = jsonRect(inWindow(combo, combo->rect()));
            item["clipped"] = fit.x() > fit.y();
            item["why"] = QStringLiteral("wider than its list's field");
            out.append(item);
            continue;
        }
        const int top = (combo->height() - height) / 2;
        out.append(measured(combo, "current", text, QRect(0, top, fit.x(), height), QRect(0, top, fit.y(), height),
                            emptyEdges(combo->font(), text), combo->rect()));
    }
}

void addHeader(QJsonArray& out, const QHeaderView* header)
{
    if (!header || header->isHidden() || !header->model())
        return;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        if (text.isEmpty())
            continue;
        const QSize need = header->fontMetrics().size(0, text) + QSize(8, 0);
        const QRect room =
            header->orientation() == Qt::Horizontal
                ? QRect(header->sectionViewportPosition(section), 0, header->sectionSize(section), header->height())
                : QRect(0, header->sectionViewportPosition(section), header->width(), header->sectionSize(section));
        const QRect ink(room.x(), room.y() + (room.height() - need.height()) / 2, need.width(), need.height());
        QJsonObject item = measured(header, "header", text, ink, room, emptyEdges(header->font(), text));
        placed.removeLast();  // a header's sections are one widget
        out.append(item);
    }
}

// What a person can bring up beyond the widgets drawn: tooltips (widget, text, the part it is over) and
// the lists that open; measured once the widget tree is read, since both make windows of their own.
struct Tip
{
    QPointer<QWidget> widget;
    QPointer<QWidget> under;  // the widget the pointer rests on: the widget, or a view's viewport
    QString text;
    QRect over;
};
QList<Tip> tips;
QList<QPointer<QComboBox>> lists;

// A tooltip as Qt's tip window shows it over its part of the widget: the window must fit its screen.
QJsonObject measuredTip(const Tip& tip)
{
    QJsonObject item = entry(tip.widget, "tooltip", tip.text);
    const QPoint at = tip.under->mapToGlobal(tip.over.center());
    QToolTip::showText(at, tip.text, tip.under, tip.over, 60000);
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            window = top;
    QScreen* screen = QGuiApplication::screenAt(at) ? QGuiApplication::screenAt(at) : tip.under->screen();
    const QRect place = window ? window->frameGeometry() : QRect();
    delete window;  // gone at once: a tip left hiding would be read as a text of the next screen
    item["need"] = QJsonArray{place.width(), place.height()};
    item["room"] = QJsonArray{screen->geometry().width(), screen->geometry().height()};
    item["ink"] = jsonRect(place);
    item["clipped"] =
        !window || place.width() > screen->geometry().width() || place.height() > screen->geometry().height();
    item["why"] = window ? QStringLiteral("wider or taller than its screen") : QStringLiteral("no tip window");
    return item;
}

void addTips(QJsonArray& out)
{
    for (const Tip& tip : tips)
        if (tip.widget && tip.under)
            out.append(measuredTip(tip));
    tips.clear();
}

// A list's entry drawn by the list's own delegate as wide as width, on a plain ground.
QImage drawnEntry(const QAbstractItemView* view, const QModelIndex& index, int width, int height)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Selected);
    option.font = view->font();
    option.fontMetrics = view->fontMetrics();
    option.decorationSize = view->iconSize();
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.widget = view;
    option.rect = QRect(0, 0, width, height);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    view->itemDelegate(index)->paint(&painter, option, index);
    return image;
}

// The entries of a list as it opens: each entry's letters, drawn as wide as they like (need: where
// they end), must be drawn the same in the open list's room (has: up to where they are).
void addOpenList(QJsonArray& out, QComboBox* combo)
{
    static QHash<QString, QJsonArray> known;  // the same list opened again shows the same
    QStringList parts{combo->objectName(), QString::number(combo->width()), combo->font().toString()};
    for (int row = 0; row < combo->count(); ++row)
        parts << combo->itemText(row);
    const QString key = parts.join('\n');
    if (!known.contains(key)) {
        QJsonArray entries;
        QAbstractItemView* view = combo->view();
        const bool closed = !view->isVisible();  // a list the test opened itself stays open
        if (closed)
            combo->showPopup();
        QCoreApplication::processEvents();
        const int room = view->viewport()->width();
        const int wide = std::max(room, 2 * view->screen()->geometry().width());
        for (int row = 0; row < combo->count(); ++row) {
            const QModelIndex index = view->model()->index(row, combo->modelColumn(), view->rootIndex());
            const int height = std::max(view->sizeHintForRow(row), 1);
            const QImage free = drawnEntry(view, index, wide, height);
            const QImage shown = drawnEntry(view, index, room, height);
            int end = wide - 100;  // the ground far right of any letters
            while (end > 0 && sameColumn(free, end - 1, free, wide - 100))
                --end;
            int same = 0;
            while (same < std::min(end, room) && sameColumn(free, same, shown, same))
                ++same;
            QJsonObject item = entry(combo, "open", combo->itemText(row));
            item["need"] = QJsonArray{end, height};
            item["room"] = QJsonArray{same, height};
            item["ink"] = jsonRect(QRect(view->mapTo(view->window(), QPoint(0, 0)), QSize(room, height)));
            item["clipped"] = same < end;
            item["why"] = QStringLiteral("cut in the open list");
            entries.append(item);
        }
        if (closed)
            combo->hidePopup();
        known.insert(key, entries);
    }
    // Whether a person can take each entry, and in a list a person opened where it is, in the list's window, for a
    // click on it.
    QAbstractItemView* view = combo->view();
    const bool open = view->isVisible();
    const QJsonArray entries = known.value(key);
    for (int row = 0; row < entries.size(); ++row) {
        QJsonObject item = entries[row].toObject();
        const QModelIndex index = view->model()->index(row, combo->modelColumn(), view->rootIndex());
        item["enabled"] = bool(view->model()->flags(index) & Qt::ItemIsEnabled);
        if (open) {
            const QPoint at =
                combo->window()->mapFromGlobal(view->viewport()->mapToGlobal(view->visualRect(index).center()));
            item["at"] = QJsonArray{at.x(), at.y()};
        }
        out.append(item);
    }
}

void addLists(QJsonArray& out)
{
    for (QComboBox* combo : lists)
        if (combo && combo->isVisible())
            addOpenList(out, combo);
    lists.clear();
}

// A text box as it lays its text out: a box that scrolls hides the hidden pixels of its text.
void addTextBox(QJsonArray& out, const QAbstractScrollArea* box, const QTextDocument* doc, int hidden)
{
    QString text = doc->toPlainText();
    text.replace(QChar::LineSeparator, '\n');
    QJsonObject item =
        measured(box, "text", text, QRect(0, 0, 1, box->height() + hidden), box->rect(), {}, box->rect());
    addLines(item, nullptr, doc, {});
    out.append(item);
}

// A date or time edit, measured as a list is: the value it shows and each other month or hour it
// can be given, drawn in its locale and format, must fit where its field draws text.
void addClock(QJsonArray& out, const QDateTimeEdit* edit)
{
    const QLineEdit* line = edit->findChild<QLineEdit*>();
    if (!line)
        return;
    QStyleOptionFrame panel;
    panel.initFrom(line);
    QRect room = line->style()->subElementRect(QStyle::SE_LineEditContents, &panel, line);
    room = room.marginsRemoved(line->textMargins()).adjusted(2, 0, -2, 0);  // the field's own margin
    room.translate(line->mapTo(edit, QPoint(0, 0)));
    const QDateTime shown = edit->dateTime();
    QList<QDateTime> values;
    for (int month = 1; month <= 12 && (edit->displayedSections() & QDateTimeEdit::MonthSection); ++month)
        values << QDateTime(QDate(shown.date().year(), month, 1), shown.time());
    for (int hour = 0; hour < 24 && (edit->displayedSections() & QDateTimeEdit::HourSection); ++hour)
        values << QDateTime(shown.date(), QTime(hour, shown.time().minute()));
    const QFontMetrics metrics = line->fontMetrics();
    for (const QDateTime& value : values) {
        const QString text = edit->locale().toString(value, edit->displayFormat());
        const int need = metrics.horizontalAdvance(text);
        if (value != shown) {
            QJsonObject item = entry(edit, "item", text);
            item["need"] = QJsonArray{need, metrics.height()};
            item["room"] = QJsonArray{room.width(), room.height()};
            item["ink"] = jsonRect(inWindow(edit, edit->rect()));
            item["clipped"] = need > room.width();
            item["why"] = QStringLiteral("wider than its field");
            out.append(item);
            continue;
        }
        const QRect ink(room.x(), room.y() + (room.height() - metrics.height()) / 2, need, metrics.height());
        out.append(measured(edit, "current", text, ink, room, emptyEdges(line->font(), text), edit->rect()));
    }
}

// The part of a picture that it paints: its pixels that are not wholly transparent.
QRect paintedPart(const QPixmap& pixmap)
{
    static QHash<qint64, QRect> known;
    if (!known.contains(pixmap.cacheKey())) {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        QRect part;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 0)
                    part |= QRect(x, y, 1, 1);
        known.insert(pixmap.cacheKey(), part);
    }
    return known.value(pixmap.cacheKey());
}

// What a widget paints that a text beside it must keep clear of, and where (widget coordinates): "picture" (a
// label's picture or film), "control" (a button, field, list, view or tab bar) or "shade" (a plain widget that
// fills its ground: a popup's, the dimming, the busy overlay); none for a container or a text. A control's parts
// (a list's or spin box's field, scroll bars, Qt's own pieces) are the control's.
QString paintsOf(const QWidget* widget, QRect* drawn)
{
    const QWidget* parent = widget->parentWidget();
    if (widget->objectName().startsWith(QLatin1String("qt_")) ||
        (parent && (qobject_cast<const QComboBox*>(parent) || parent->inherits("QAbstractSpinBox"))))
        return {};
    *drawn = widget->rect();
    if (auto label = qobject_cast<const QLabel*>(widget)) {
        const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
        if (!pixmap.isNull()) {
            const QRect place =
                label->hasScaledContents()
                    ? label->contentsRect()
                    : QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                          pixmap.size() / pixmap.devicePixelRatio(), label->contentsRect());
            const QRect part = paintedPart(pixmap);
            // The painted part, in the place the picture is drawn at (stretched to it when the label scales it).
            const qreal scaleX = qreal(place.width()) / pixmap.width(),
                        scaleY = qreal(place.height()) / pixmap.height();
            *drawn = QRectF(place.x() + part.x() * scaleX, place.y() + part.y() * scaleY, part.width() * scaleX,
                            part.height() * scaleY)
                         .toAlignedRect();
            return QStringLiteral("picture");
        }
        if (label->movie())
            return QStringLiteral("picture");
        if (label->text().isEmpty() && (label->autoFillBackground() || label->styleSheet().contains("background")))
            return QStringLiteral("shade");
        return {};
    }
    for (const char* control : {"QAbstractButton", "QLineEdit", "QComboBox", "QAbstractSpinBox", "QAbstractItemView",
                                "QTextEdit", "QPlainTextEdit", "QTabBar", "QWebView"})
        if (widget->inherits(control))
            return QStringLiteral("control");
    return {};
}

// Where a scroll bar stands: its value, minimum and maximum.
QJsonArray scrolled(const QScrollBar* bar)
{
    return {bar->value(), bar->minimum(), bar->maximum()};
}

// What a person finds a field, list or text box in beyond enabled: the echo of a line edit (normal, password, none,
// passwordOnEdit), whether it takes typing, where a scrolling box stands and which rows of a list are chosen.
void addEditState(QJsonObject& item, const QWidget* widget)
{
    static const char* const kEchoes[] = {"normal", "none", "password", "passwordOnEdit"};
    if (auto edit = qobject_cast<const QLineEdit*>(widget)) {
        item["echo"] = QString::fromLatin1(kEchoes[edit->echoMode()]);
        item["readOnly"] = edit->isReadOnly();
    } else if (auto text = qobject_cast<const QTextEdit*>(widget)) {
        item["readOnly"] = text->isReadOnly();
    } else if (auto plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        item["readOnly"] = plain->isReadOnly();
    } else if (auto spin = qobject_cast<const QAbstractSpinBox*>(widget)) {
        item["readOnly"] = spin->isReadOnly();
    }
    if (auto area = qobject_cast<const QAbstractScrollArea*>(widget))
        item["scroll"] = QJsonObject{{"vertical", scrolled(area->verticalScrollBar())},
                                     {"horizontal", scrolled(area->horizontalScrollBar())}};
    if (auto view = qobject_cast<const QAbstractItemView*>(widget)) {
        QJsonArray rows;  // the rows a person sees chosen
        if (const QItemSelectionModel* selection = view->selectionModel())
            for (const QModelIndex& index : selection->selectedIndexes())
                if (!rows.contains(index.row()))
                    rows.append(index.row());
        item["selected"] = rows;
    }
}

// The contrast of two colours as WCAG 2 reckons it, 1 to 21.
double contrastOf(QRgb one, QRgb other)
{
    const auto luminance = [](QRgb rgb) {
        double sum = 0;
        const double weights[] = {0.2126, 0.7152, 0.0722};
        const int channels[] = {qRed(rgb), qGreen(rgb), qBlue(rgb)};
        for (int at = 0; at < 3; ++at) {
            const double c = channels[at] / 255.0;
            sum += weights[at] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const double first = luminance(one), second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The colour the window draws just beside a widget (left of it, else above it): the ground its face lies on.
QRgb groundBeside(const QWidget* widget)
{
    QWidget* window = widget->window();
    if (!drawnWindows.contains(window))
        drawnWindows.insert(window, window->grab().toImage());
    const QImage& drawn = drawnWindows[window];
    const QRect place = inWindow(widget, widget->rect());
    const QPoint beside =
        place.x() > 0 ? QPoint(place.x() - 1, place.center().y()) : QPoint(place.center().x(), place.y() - 1);
    return drawn.rect().contains(beside) ? drawn.pixel(beside) : qRgb(255, 255, 255);
}

// The pixels of a control's mark of the keyboard's focus: its face drawn by its style on its ground as its option has
// it, with the focus given by Tab and without, and the pixels of the two that a reader tells apart (contrast 2 or
// more, under which a text is not made out either).
template <class Option, class Draw> int focusPixels(const QWidget* widget, Option option, Draw draw)
{
    constexpr QStyle::State focus = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    QImage faces[2];
    for (int focused = 0; focused < 2; ++focused) {
        Option one = option;
        one.state &= ~(focus | QStyle::State_MouseOver | QStyle::State_Sunken);
        if (focused)
            one.state |= focus;
        faces[focused] = QImage(widget->size(), QImage::Format_RGB32);
        faces[focused].fill(groundBeside(widget));
        QPainter painter(&faces[focused]);
        draw(one, &painter);
    }
    int pixels = 0;
    for (int y = 0; y < faces[0].height(); ++y)
        for (int x = 0; x < faces[0].width(); ++x)
            pixels += contrastOf(faces[0].pixel(x, y), faces[1].pixel(x, y)) >= 2.0;
    return pixels;
}

// For a control a person reaches with Tab (enabled, taking the focus from the keyboard): the pixels of the mark it
// shows once it has the focus (focusPixels; a text field's: its cursor's); none given for a control of another kind.
void addFocus(QJsonObject& item, const QWidget* widget)
{
    if (!widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
        return;
    const QStyle* style = widget->style();
    QJsonValue mark;
    if (auto push = qobject_cast<const QPushButton*>(widget)) {
        mark = focusPixels(push, buttonOption(push), [&](const QStyleOptionButton& option, QPainter* painter) {
            style->drawControl(QStyle::CE_PushButton, &option, painter, push);
        });
    } else if (auto box = qobject_cast<const QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        option.icon = box->icon();
        option.iconSize = box->iconSize();
        option.state |= box->isChecked() ? QStyle::State_On : QStyle::State_Off;
        const auto element = qobject_cast<const QRadioButton*>(box) ? QStyle::CE_RadioButton : QStyle::CE_CheckBox;
        mark = focusPixels(box, option, [&](const QStyleOptionButton& one, QPainter* painter) {
            style->drawControl(element, &one, painter, box);
        });
    } else if (auto combo = qobject_cast<const QComboBox*>(widget)) {
        mark = focusPixels(combo, fieldOption(combo, combo->currentIndex(), combo->width()),
                           [&](const QStyleOptionComboBox& option, QPainter* painter) {
                               style->drawComplexControl(QStyle::CC_ComboBox, &option, painter, combo);
                               style->drawControl(QStyle::CE_ComboBoxLabel, &option, painter, combo);
                           });
    } else if (auto edit = qobject_cast<const QLineEdit*>(widget)) {
        mark = edit->isReadOnly() ? 0 : edit->fontMetrics().height();  // the text cursor
    } else if (auto text = qobject_cast<const QTextEdit*>(widget)) {
        mark = text->isReadOnly() ? 0 : text->fontMetrics().height();
    } else if (auto spin = qobject_cast<const QAbstractSpinBox*>(widget)) {
        mark = spin->isReadOnly() ? 0 : spin->fontMetrics().height();
    }
    item["tabbed"] = true;
    if (!mark.isUndefined())
        item["focusMark"] = mark;
}

void addWidget(QJsonArray& out, QWidget* widget)
{
    // Every named widget, so that the harness can aim at it, and every other that paints beside texts; the
    // state a person finds it in.
    QRect drawn;
    const QString paints = paintsOf(widget, &drawn);
    const bool named = !widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_"));
    if (named || !paints.isEmpty()) {
        QJsonObject item = entry(widget, "widget", QString());
        if (qobject_cast<const QAbstractButton*>(widget))
            addFace(item, widget);
        if (auto view = qobject_cast<const QWebView*>(widget))  // the text of the page it shows
            item["viewText"] = view->page()->mainFrame()->toPlainText();
        if (!paints.isEmpty()) {
            item["paints"] = paints;
            item["drawn"] = jsonRect(inWindow(widget, drawn) & visibleArea(widget));
        }
        item["enabled"] = widget->isEnabled();
        if (widget == widget->window()->focusWidget())
            item["focus"] = true;
        addFocus(item, widget);
        if (auto button = qobject_cast<const QAbstractButton*>(widget))
            if (button->isCheckable())
                item["checked"] = button->isChecked();
        addEditState(item, widget);
        if (auto combo = qobject_cast<const QComboBox*>(widget)) {
            const QWidget* entries = combo->view()->viewport();
            item["open"] = entries->isVisible();
            if (entries->isVisible())  // where the open list shows its entries, in the list's window
                item["list"] = jsonRect(
                    QRect(combo->window()->mapFromGlobal(entries->mapToGlobal(QPoint(0, 0))), entries->size()));
        }
        out.append(item);
    }
    if (widget->isWindow() && !widget->windowTitle().isEmpty())
        out.append(entry(widget, "title", widget->windowTitle()));
    if (!widget->toolTip().isEmpty())
        tips.append({widget, widget, widget->toolTip(), widget->rect()});
    if (auto view = qobject_cast<QAbstractItemView*>(widget)) {
        const QAbstractItemModel* model = view->model();
        for (int row = 0; model && row < model->rowCount(view->rootIndex()); ++row)
            for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
                const QModelIndex index = model->index(row, column, view->rootIndex());
                const QString tip = model->data(index, Qt::ToolTipRole).toString();
                if (!tip.isEmpty())
                    tips.append({view, view->viewport(), tip, view->visualRect(index)});
            }
    }
    if (auto label = qobject_cast<const QLabel*>(widget)) {
        addLabel(out, label);
    } else if (auto button = qobject_cast<const QAbstractButton*>(widget)) {
        addButton(out, button);
    } else if (auto combo = qobject_cast<QComboBox*>(widget)) {
        addCombo(out, combo);
        if (combo->isEnabled())
            lists.append(combo);
    } else if (auto edit = qobject_cast<const QLineEdit*>(widget)) {
        // A field is a box on the screen, with or without its placeholder.
        const QString placeholder = edit->text().isEmpty() ? edit->placeholderText() : QString();
        const QSize size = edit->fontMetrics().size(0, placeholder);
        const QRect ink(0, (edit->height() - size.height()) / 2, size.width(), size.height());
        QJsonObject item = measured(edit, "placeholder", placeholder, ink, edit->rect(),
                                    emptyEdges(edit->font(), placeholder), edit->rect());
        if (!placeholder.isEmpty())
            out.append(item);
    } else if (auto text = qobject_cast<const QTextEdit*>(widget)) {
        addTextBox(out, text, text->document(), text->verticalScrollBar()->maximum());
    } else if (auto plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        // Its scroll bar counts lines.
        addTextBox(out, plain, plain->document(),
                   plain->verticalScrollBar()->maximum() * plain->fontMetrics().lineSpacing());
    } else if (auto clock = qobject_cast<const QDateTimeEdit*>(widget)) {
        addClock(out, clock);
    } else if (auto group = qobject_cast<const QGroupBox*>(widget)) {
        if (!group->title().isEmpty()) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            option.textAlignment = group->alignment();
            const QRect ink =
                group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
            out.append(measured(group, "title", group->title(), ink, group->rect(),
                                emptyEdges(group->font(), group->title())));
        }
    } else if (auto tabs = qobject_cast<const QTabBar*>(widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            const QRect room = tabs->tabRect(tab);
            const QSize need = tabs->fontMetrics().size(0, tabs->tabText(tab)) + QSize(8, 0);
            const QRect ink(room.x() + (room.width() - need.width()) / 2, room.y(), need.width(), need.height());
            out.append(measured(tabs, "tab", tabs->tabText(tab), ink, room));
            placed.removeLast();  // the tabs are one widget
        }
    } else if (auto table = qobject_cast<const QTableWidget*>(widget)) {
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem* item = table->item(row, column))
                    if (!item->text().isEmpty())
                        out.append(entry(table, "item", item->text()));
        addHeader(out, table->horizontalHeader());
        addHeader(out, table->verticalHeader());
    } else if (auto list = qobject_cast<const QListWidget*>(widget)) {
        for (int row = 0; row < list->count(); ++row)
            if (!list->item(row)->text().isEmpty()) {
                QJsonObject item = entry(list, "item", list->item(row)->text());
                const QPoint at =
                    list->viewport()->mapTo(list->window(), list->visualItemRect(list->item(row)).center());
                item["at"] = QJsonArray{at.x(), at.y()};  // where a person clicks it
                out.append(item);
            }
    }
}

void addTree(QJsonArray& out, QWidget* widget)
{
    if (!widget->isVisible())
        return;
    addWidget(out, widget);
    for (QObject* child : widget->children())
        if (auto childWidget = qobject_cast<QWidget*>(child))
            if (!childWidget->isWindow())
                addTree(out, childWidget);
}

bool related(const QWidget* one, const QWidget* other)
{
    return one == other || one->isAncestorOf(other) || other->isAncestorOf(one);
}

// Texts of one popup or window whose letters or faces cover each other.
void addOverlaps(QJsonArray& out)
{
    for (int first = 0; first < placed.size(); ++first) {
        for (int second = first + 1; second < placed.size(); ++second) {
            const Placed& one = placed[first];
            const Placed& other = placed[second];
            if (one.box != other.box || related(one.widget, other.widget))
                continue;
            const QRect common = one.area & other.area;
            if (common.width() <= 2 || common.height() <= 2)
                continue;
            QJsonObject item = entry(one.widget, "overlap", one.text + " | " + other.text);
            item["name"] = one.widget->objectName() + " " + other.widget->objectName();
            item["ink"] = jsonRect(common);
            item["clipped"] = true;
            item["why"] = QStringLiteral("overlaps");
            out.append(item);
        }
    }
}

QWidget* widgetOfClass(const QByteArray& className)
{
    for (QWidget* widget : QApplication::allWidgets())
        if (className == widget->metaObject()->className())
            return widget;
    return nullptr;
}

// "invoke <class> <slot> [argument]": calls a slot of the widget of that class, with a text, bool,
// number or C string argument when the slot takes one.
void invoke(const QStringList& words)
{
    QWidget* target = widgetOfClass(words.value(1).toLatin1());
    if (!target)
        return;
    const QByteArray slot = words.value(2).toLatin1();
    const QString argument = words.mid(3).join(' ');
    const QMetaObject* meta = target->metaObject();
    if (meta->indexOfMethod(slot + "()") >= 0)
        QMetaObject::invokeMethod(target, slot.constData(), Qt::DirectConnection);
    else if (meta->indexOfMethod(slot + "(QString)") >= 0)
        QMetaObject::invokeMethod(target, slot.constData(), Qt::DirectConnection, Q_ARG(QString, argument));
    else if (meta->indexOfMethod(slot + "(bool)") >= 0)
        QMetaObject::invokeMethod(target, slot.constData(), Qt::DirectConnection, Q_ARG(bool, argument == "true"));
    else if (meta->indexOfMethod(slot + "(int)") >= 0)
        QMetaObject::invokeMethod(target, slot.constData(), Qt::DirectConnection, Q_ARG(int, argument.toInt()));
    else if (meta->indexOfMethod(slot + "(const char*)") >= 0) {
        const QByteArray text = argument.toUtf8();
        QMetaObject::invokeMethod(target, slot.constData(), Qt::DirectConnection, Q_ARG(const char*, text.constData()));
    }
}

// "show <class>": the page of that class in the main window's page place, alone.
void showPage(const QStringList& words)
{
    QWidget* main = widgetOfClass("Mainpage");
    QWidget* page = widgetOfClass(words.value(1).toLatin1());
    auto place = main ? main->findChild<QBoxLayout*>("mainlLayout") : nullptr;
    if (!page || !place)
        return;
    for (QWidget* child : place->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->inherits("WizardPage"))
            child->hide();
    for (QWidget* child : main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->objectName().startsWith("loading"))
            child->hide();
    if (place->indexOf(page) < 0)
        place->addWidget(page);
    page->show();
}

// "enter <class>": the page of that class entered as the main window enters a page (Mainpage::enterPage): the page
// shown now hidden, that page put in the main window's page place and shown, then its own entry step, enter().
void enterPage(const QStringList& words)
{
    QWidget* main = widgetOfClass("Mainpage");
    QWidget* page = widgetOfClass(words.value(1).toLatin1());
    auto place = main ? main->findChild<QBoxLayout*>("mainlLayout") : nullptr;
    if (!page || !place || !page->inherits("WizardPage"))
        return;
    for (QWidget* child : place->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != page && child->inherits("WizardPage") && child->isVisible())
            child->hide();
    place->addWidget(page, 0, Qt::Alignment());
    page->show();
    static_cast<WizardPage*>(page)->enter();
}

QWidget* widgetNamed(const QString& name)
{
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

// "choose <object name> <entry text | #row>": takes that entry of the list, as a person's click on
// it does: the entry becomes current, then the list tells it was activated (#-1: the last).
void choose(const QStringList& words)
{
    auto combo = qobject_cast<QComboBox*>(widgetNamed(words.value(1)));
    const QString entry = words.mid(2).join(' ');
    if (!combo)
        return;
    int row = entry.startsWith('#') ? entry.mid(1).toInt() : combo->findText(entry);
    if (row < 0 && entry.startsWith('#'))
        row += combo->count();
    if (row < 0 || row >= combo->count())
        return;
    combo->setCurrentIndex(row);
    emit combo->activated(row);
    emit combo->textActivated(combo->itemText(row));
}

// "visible <object name> true|false": shows or hides a widget that a road of the program shows.
void setVisible(const QStringList& words)
{
    if (QWidget* widget = widgetNamed(words.value(1)))
        widget->setVisible(words.value(2) == "true");
}

// "close": every popup and box over the main window goes, a page's own too (its exit question), with the
// dimming behind it.
void closePopups()
{
    QWidget* main = widgetOfClass("Mainpage");
    if (!main)
        return;
    QList<QPointer<QWidget>> popups;
    for (QWidget* child : main->findChildren<QWidget*>())
        if (QByteArray(child->metaObject()->className()).contains("MessageBox"))
            popups.append(child);
    for (const QPointer<QWidget>& popup : popups)
        delete popup.data();
    if (auto dimming = main->findChild<QLabel*>("lockScreenLabel"))
        dimming->hide();
}

// "picture <window id> <file>": the screen where that window lies as the X server shows it, its popups, open lists and
// dimming included, saved as a PNG: what a person sees of the screen whose texts were just written. Every window paints
// what is pending first.
void savePicture(const QStringList& words)
{
    const WId id = words.value(1).toULongLong();
    QWidget* shown = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->repaint();
        if (window->isVisible() && window->internalWinId() == id)
            shown = window;
    }
    QScreen* screen = shown ? shown->screen() : nullptr;
    QSaveFile file(words.mid(2).join(' '));
    if (screen && file.open(QIODevice::WriteOnly) && screen->grabWindow(id).save(&file, "PNG"))
        file.commit();
}

void dump(const QString& target)
{
    QJsonArray out;
    placed.clear();
    drawnWindows.clear();
    drawing.clear();
    int next = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            numberDrawing(window, next);
    for (QWidget* window : QApplication::topLevelWidgets())
        addTree(out, window);
    addOverlaps(out);
    addTips(out);
    addLists(out);
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(out).toJson(QJsonDocument::Indented));
        file.commit();
    }
}

// The request holds one command a line; a line without a command names the file to dump to,
// once the commands before it are laid out.
void answer()
{
    static bool busy = false;  // the events run below may fire the timer again
    QFile request(QDir::current().filePath(kRequest));
    if (busy || !request.open(QIODevice::ReadOnly))
        return;
    busy = true;
    const QStringList lines = QString::fromUtf8(request.readAll()).split('\n', Qt::SkipEmptyParts);
    request.close();
    for (const QString& line : lines) {
        const QStringList words = line.trimmed().split(' ');
        if (words.first() == "invoke")
            invoke(words);
        else if (words.first() == "show")
            showPage(words);
        else if (words.first() == "enter")
            enterPage(words);
        else if (words.first() == "close")
            closePopups();
        else if (words.first() == "choose")
            choose(words);
        else if (words.first() == "visible")
            setVisible(words);
        else if (words.first() == "picture")
            savePicture(words);
        else
            dump(line.trimmed());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    request.remove();
    busy = false;
}

// Runs inside the application object's constructor: the timer starts once the loop runs.
void watch()
{
    QMetaObject::invokeMethod(
        qApp,
        [] {
            auto timer = new QTimer(qApp);
            QObject::connect(timer, &QTimer::timeout, qApp, &answer);
            timer->start(25);  // a request's round: a stat of the folder in the program, a look in the harness
        },
        Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
