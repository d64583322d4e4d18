// Preloaded into the wizard by the end-to-end harness: once the application object exists it
// watches its working folder for "textdump.request" and answers each request by writing the
// texts of every visible widget (with the room each text has and the room it needs) as JSON
// to the file the request names, then removing the request.

#include <QAbstractButton>
#include <QApplication>
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
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

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

void addLabel(QJsonArray& out, const QLabel* label)
{
    if (label->text().isEmpty())
        return;
    const bool wraps = label->wordWrap();
    QSize need(wraps ? 0 : label->sizeHint().width(), label->heightForWidth(label->width()));
    if (wraps) {
        // A word longer than the line still overflows.
        need.setWidth(label->minimumSizeHint().width());
    }
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
        out.append(entry(plain, "text", plain->toPlainText()));
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

void answer()
{
    QFile request(QDir::current().filePath(kRequest));
    if (!request.open(QIODevice::ReadOnly))
        return;
    QString target = QString::fromUtf8(request.readAll()).trimmed();
    request.close();
    if (target.isEmpty())
        target = QDir::current().filePath("texts.json");
    QJsonArray out;
    for (QWidget* window : QApplication::topLevelWidgets())
        addTree(out, window);
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(out).toJson(QJsonDocument::Indented));
        file.commit();
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

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
