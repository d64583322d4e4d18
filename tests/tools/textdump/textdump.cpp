// Preloaded into the wizard by the end-to-end harness: once the application object exists it
// watches its working folder for "textdump.request" and runs the request's commands: write the
// texts of every visible widget (with the room each text has and the room it needs) as JSON to
// a file, call a page's slot (a popup), show a page, close the popups. Then it removes the request.

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QtMath>

namespace {

const char kRequest[] = "textdump.request";

QJsonArray rectOf(const QWidget* widget)
{
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return {at.x(), at.y(), widget->width(), widget->height()};
}

QJsonObject entry(const QWidget* widget, const char* kind, const QString& text)
{
    QJsonObject item;
    item["window"] = widget->window()->windowTitle();
    item["class"] = QString::fromLatin1(widget->metaObject()->className());
    item["name"] = widget->objectName();
    item["kind"] = QString::fromLatin1(kind);
    item["text"] = text;
    item["rect"] = rectOf(widget);
    return item;
}

// The entry with the room the text needs; clipped when it needs more than it has.
QJsonObject measured(const QWidget* widget, const char* kind, const QString& text, QSize need, QSize room)
{
    QJsonObject item = entry(widget, kind, text);
    item["need"] = QJsonArray{need.width(), need.height()};
    item["clipped"] = need.width() > room.width() || need.height() > room.height();
    return item;
}

// The bottom of a rich text's last written line: the paragraphs' margins below it take no room.
int richTextBottom(const QLabel* label)
{
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setDocumentMargin(0);
    doc.setHtml(label->text());
    doc.setTextWidth(label->wordWrap() ? label->contentsRect().width() : -1);
    for (QTextBlock block = doc.lastBlock(); block.isValid(); block = block.previous()) {
        const QTextLayout* layout = block.layout();
        for (int index = layout ? layout->lineCount() - 1 : -1; index >= 0; --index) {
            const QTextLine line = layout->lineAt(index);
            if (block.text().mid(line.textStart(), line.textLength()).trimmed().isEmpty())
                continue;
            // A fixed line height (line-height:24px) is the line's share of the label.
            const QTextBlockFormat format = block.blockFormat();
            const qreal height = format.lineHeightType() == QTextBlockFormat::FixedHeight
                                     ? std::max(line.height(), format.lineHeight())
                                     : line.height();
            const QRectF box = doc.documentLayout()->blockBoundingRect(block);
            return qCeil(box.top() + line.y() + height);
        }
    }
    return 0;
}

void addLabel(QJsonArray& out, const QLabel* label)
{
    if (label->text().isEmpty())
        return;
    const bool wraps = label->wordWrap();
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    QSize need(wraps ? label->minimumSizeHint().width() : label->sizeHint().width(),
               rich ? richTextBottom(label) : label->heightForWidth(label->width()));
    out.append(measured(label, "text", label->text(), need, label->size()));
}

void addButton(QJsonArray& out, const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return;
    const QFontMetrics metrics = button->fontMetrics();
    QSize need = metrics.size(Qt::TextShowMnemonic, button->text());
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
        need = button->sizeHint();
    out.append(measured(button, "text", button->text(), need, button->size()));
}

void addCombo(QJsonArray& out, const QComboBox* combo)
{
    for (int row = 0; row < combo->count(); ++row) {
        const char* kind = row == combo->currentIndex() ? "current" : "item";
        const QSize text = combo->fontMetrics().size(0, combo->itemText(row));
        // The current entry shares the box with the arrow.
        const QSize need(text.width() + (row == combo->currentIndex() ? 20 : 0), text.height());
        out.append(measured(combo, kind, combo->itemText(row), need,
                            row == combo->currentIndex() ? combo->size() : QSize(1 << 20, 1 << 20)));
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
        const QSize room(header->sectionSize(section), header->height());
        out.append(measured(header, "header", text, need, room));
    }
}

void addWidget(QJsonArray& out, const QWidget* widget)
{
    // Every named widget, so that the harness can aim at it.
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
        out.append(entry(widget, "widget", QString()));
    if (widget->isWindow() && !widget->windowTitle().isEmpty())
        out.append(entry(widget, "title", widget->windowTitle()));
    if (!widget->toolTip().isEmpty())
        out.append(entry(widget, "tooltip", widget->toolTip()));
    if (auto label = qobject_cast<const QLabel*>(widget)) {
        addLabel(out, label);
    } else if (auto button = qobject_cast<const QAbstractButton*>(widget)) {
        addButton(out, button);
    } else if (auto combo = qobject_cast<const QComboBox*>(widget)) {
        addCombo(out, combo);
    } else if (auto edit = qobject_cast<const QLineEdit*>(widget)) {
        if (!edit->placeholderText().isEmpty())
            out.append(measured(edit, "placeholder", edit->placeholderText(),
                                edit->fontMetrics().size(0, edit->placeholderText()), edit->size()));
    } else if (auto text = qobject_cast<const QTextEdit*>(widget)) {
        out.append(entry(text, "text", text->toPlainText()));
    } else if (auto plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        // A box that scrolls hides lines.
        const int hidden = plain->verticalScrollBar()->maximum() * plain->fontMetrics().lineSpacing();
        out.append(measured(plain, "text", plain->toPlainText(), QSize(0, plain->height() + hidden), plain->size()));
    } else if (auto group = qobject_cast<const QGroupBox*>(widget)) {
        if (!group->title().isEmpty())
            out.append(entry(group, "title", group->title()));
    } else if (auto tabs = qobject_cast<const QTabBar*>(widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            out.append(measured(tabs, "tab", tabs->tabText(tab),
                                tabs->fontMetrics().size(0, tabs->tabText(tab)) + QSize(8, 0),
                                tabs->tabRect(tab).size()));
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
            if (!list->item(row)->text().isEmpty())
                out.append(entry(list, "item", list->item(row)->text()));
    }
}

void addTree(QJsonArray& out, const QWidget* widget)
{
    if (!widget->isVisible())
        return;
    addWidget(out, widget);
    for (QObject* child : widget->children())
        if (auto childWidget = qobject_cast<QWidget*>(child))
            if (!childWidget->isWindow())
                addTree(out, childWidget);
}

QWidget* widgetOfClass(const QByteArray& className)
{
    for (QWidget* widget : QApplication::allWidgets())
        if (className == widget->metaObject()->className())
            return widget;
    return nullptr;
}

// "invoke <class> <slot> [argument]": calls a slot of the widget of that class, with a text or
// bool argument when the slot takes one.
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

// "close": every popup and box over the main window goes, with the dimming behind it.
void closePopups()
{
    QWidget* main = widgetOfClass("Mainpage");
    if (!main)
        return;
    for (QWidget* child : main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (QByteArray(child->metaObject()->className()).contains("MessageBox"))
            delete child;
    if (auto dimming = main->findChild<QLabel*>("lockScreenLabel"))
        dimming->hide();
}

void dump(const QString& target)
{
    QJsonArray out;
    for (QWidget* window : QApplication::topLevelWidgets())
        addTree(out, window);
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(out).toJson(QJsonDocument::Indented));
        file.commit();
    }
}

// The request holds one command a line; a line without a command names the file to dump to.
void answer()
{
    QFile request(QDir::current().filePath(kRequest));
    if (!request.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(request.readAll()).split('\n', Qt::SkipEmptyParts);
    request.close();
    for (const QString& line : lines) {
        const QStringList words = line.trimmed().split(' ');
        if (words.first() == "invoke")
            invoke(words);
        else if (words.first() == "show")
            showPage(words);
        else if (words.first() == "close")
            closePopups();
        else
            dump(line.trimmed());
    }
    request.remove();
}

// Runs inside the application object's constructor: the timer starts once the loop runs.
void watch()
{
    QMetaObject::invokeMethod(
        qApp,
        [] {
            auto timer = new QTimer(qApp);
            QObject::connect(timer, &QTimer::timeout, qApp, &answer);
            timer->start(100);
        },
        Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
