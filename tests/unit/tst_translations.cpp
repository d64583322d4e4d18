#include <QtTest>

#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>

#include "base/languages.h"
#include "guide/connectionrules.h"

namespace {
struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

QString sourceRoot()
{
    return QDir::cleanPath(qEnvironmentVariable("TESTDATA") + "/../..");
}

QVector<Message> readTs(const QString& path)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value("type").toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    return xml.hasError() ? QVector<Message>() : messages;
}

QSet<QString> keys(const QVector<Message>& messages)
{
    QSet<QString> set;
    for (const Message& m : messages)
        set.insert(m.context + QChar(0) + m.source);
    return set;
}

// What must survive translation: placeholders and markup other than line breaks.
QStringList fixedParts(const QString& text)
{
    static const QRegularExpression parts(QStringLiteral("%\\d+|</?[A-Za-z][^>]*>"));
    static const QRegularExpression lineBreak(QStringLiteral("^<br\\s*/?>$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (auto it = parts.globalMatch(text); it.hasNext();) {
        const QString part = it.next().captured();
        if (!lineBreak.match(part).hasMatch())
            found << part;
    }
    found.sort();
    return found;
}

QString tsPath(const QString& code)
{
    return sourceRoot() + "/resources/lang/" + code + ".ts";
}

const QStringList kProductFolders{"base",  "shell", "protocol", "platform", "welcome",
                                  "setup", "guide", "wifi",     "apmode",   "cloud"};

// A text as it reads: markup dropped, a line break a space, entities read, spaces folded.
QString plainText(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString plain = QString(text).replace(lineBreak, " ").remove(tag);
    plain.replace("&nbsp;", " ")
        .replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&amp;", "&");
    return plain.simplified();
}

// The captions of what a person clicks: the forms' buttons, check boxes and radio buttons, and the buttons the
// code captions through the translator.
QSet<QString> controlCaptions()
{
    static const QStringList controls{"QPushButton", "QCheckBox", "QRadioButton"};
    static const QRegularExpression codeButton(QStringLiteral(
        "(?:(?:left|right|extra)Button\\(|Button->setText\\()(?:\\s*\"[^\"]*\"\\s*,)?"  // the call, an object name
        "\\s*(?:\\w+::)*(?:tr|text|translate)\\(\\s*(?:QT_TRANSLATE_NOOP\\(\\s*)?(?:\"\\w+\"\\s*,\\s*)?"  // a context
        "\"([^\"]+)\""));
    QSet<QString> captions;
    for (const QString& folder : kProductFolders) {
        const QDir dir(sourceRoot() + "/" + folder);
        for (const QString& name : dir.entryList({"*.ui", "*.cpp", "*.h"})) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            if (!name.endsWith(".ui")) {
                for (auto it = codeButton.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();)
                    captions.insert(it.next().captured(1));
                continue;
            }
            QXmlStreamReader xml(&file);
            QStringList widgets;  // the classes of the widgets the reader is in
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == QLatin1String("widget"))
                    widgets.removeLast();
                else if (xml.isStartElement() && xml.name() == QLatin1String("widget"))
                    widgets << xml.attributes().value("class").toString();
                else if (xml.isStartElement() && xml.name() == QLatin1String("property") &&
                         xml.attributes().value("name") == QLatin1String("text") && !widgets.isEmpty() &&
                         controls.contains(widgets.last()) && xml.readNextStartElement())
                    captions.insert(plainText(xml.readElementText()));
            }
        }
    }
    return captions;
}

// A text's mention of a control: the text, the caption it names, and the texts (context and source) that
// caption the control: the text's own context's, else those of every context.
struct Mention
{
    QString key;
    QString caption;
    QStringList captionKeys;
};

// The controls the English texts name: a quoted name that is a text of the wizard ("Start Over"), or a caption
// after click, press, select or choose ("click the Start Over button", "click <b>Retry</b>").
QVector<Mention> findMentions(const QVector<Message>& english)
{
    QMap<QString, QStringList> texts, captionKeys;  // a text (its caption when it ends in ":"): its keys
    const QSet<QString> captions = controlCaptions();
    for (const Message& m : english) {
        const QString text = plainText(m.source).remove(QRegularExpression("\\s*:$"));
        texts[text] << m.context + QChar(0) + m.source;
        if (captions.contains(text))
            captionKeys[text] << m.context + QChar(0) + m.source;
    }
    QStringList names = captionKeys.keys();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (QString& name : names)
        name = QRegularExpression::escape(name);
    const QRegularExpression quoted(QStringLiteral("(?<!\\w)[\"\\x{201C}']([^\"\\x{201D}']+)[\"\\x{201D}'](?!\\w)"));
    const QRegularExpression clicked("\\b(?:[Cc]lick|[Pp]ress|[Ss]elect|[Cc]hoos)\\w*\\s+(?:on\\s+)?(?:the\\s+)?(" +
                                     names.join('|') + ")(?!\\w)");
    QVector<Mention> mentions;
    for (const Message& m : english) {
        const QString text = plainText(m.source);
        for (const auto& found : {std::make_pair(&quoted, &texts), std::make_pair(&clicked, &captionKeys)}) {
            for (auto it = found.first->globalMatch(text); it.hasNext();) {
                const QString name = it.next().captured(1);
                const QStringList keys = found.second->value(name);
                QStringList own;
                for (const QString& key : keys)
                    if (key.startsWith(m.context + QChar(0)))
                        own << key;
                if (!keys.isEmpty())
                    mentions.append({m.context + QChar(0) + m.source, name, own.isEmpty() ? keys : own});
            }
        }
    }
    return mentions;
}

// The '<' of a text that open no tag Qt's rich text knows (Qt's own table, through Qt::mightBeRichText): in a
// rich text Qt takes each for a tag and drops it with all it holds, up to its '>'.
QStringList strangeTags(const QString& text)
{
    static const QRegularExpression tag(QStringLiteral("\\G</?([A-Za-z][A-Za-z0-9]*)(?=[\\s/>])"));
    QStringList strange;
    for (int at = text.indexOf('<'); at >= 0; at = text.indexOf('<', at + 1)) {
        const QRegularExpressionMatch known = tag.match(text, at);
        if (!text.midRef(at).startsWith("<!") &&
            !(known.hasMatch() && Qt::mightBeRichText("<" + known.captured(1) + ">")))
            strange << text.mid(at, text.indexOf('>', at) + 1 - at).left(30);
    }
    return strange;
}

// Whether Qt shows a text as rich text: it reads so to Qt::mightBeRichText, or holds a tag Qt knows.
bool richText(const QString& text)
{
    return Qt::mightBeRichText(text) || text.count('<') > strangeTags(text).size();
}
}  // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sourcesCurrent_data();
    void sourcesCurrent();
    void translated_data();
    void translated();
    void compiled_data();
    void compiled();

private:
    QTemporaryDir scratch;
    QSet<QString> codeTexts;
    QVector<Mention> mentions;
};

void TestTranslations::initTestCase()
{
    const QString current = scratch.filePath("current.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(sourceRoot());
    lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate",
                  QStringList{"-silent"} + kProductFolders + QStringList{"-ts", current});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    codeTexts = keys(readTs(current));
    QVERIFY(codeTexts.size() > 300);
    mentions = findMentions(readTs(tsPath("en")));
    QVERIFY(mentions.size() > 20);
}

void TestTranslations::sourcesCurrent_data()
{
    QTest::addColumn<QString>("code");
    for (const QString& ts : QDir(sourceRoot() + "/resources/lang").entryList({"*.ts"}))
        QTest::newRow(qPrintable(ts)) << ts.chopped(3);
}

// Every text of the code is in every file, and no file keeps one the code dropped.
void TestTranslations::sourcesCurrent()
{
    QFETCH(QString, code);
    const QSet<QString> inFile = keys(readTs(tsPath(code)));
    QStringList missing = (codeTexts - inFile).values();
    QStringList stale = (inFile - codeTexts).values();
    missing.replaceInStrings(QChar(0), ": ");
    stale.replaceInStrings(QChar(0), ": ");
    QVERIFY2(missing.isEmpty(),
             qPrintable("not in " + code +
                        ".ts (cmake --build build --target update_translations): " + missing.join(" | ").left(600)));
    QVERIFY2(stale.isEmpty(), qPrintable("obsolete in " + code + ".ts: " + stale.join(" | ").left(600)));
}

void TestTranslations::translated_data()
{
    QTest::addColumn<QString>("code");
    for (const Language& language : languageTable())
        if (language.shortCode != "en")
            QTest::newRow(qPrintable(language.shortCode)) << language.shortCode;
}

// Every text finished, with the placeholders and markup of its source; in a language that parts its
// words with spaces a line break beside no space splits a word ("fournis<br>seur"). A '<' that opens no tag Qt
// knows stands in no rich text, source or translation, nor in a translation whose source has none (the code may
// show it as rich text). A text that names a control holds that control's caption in the language.
void TestTranslations::translated()
{
    QFETCH(QString, code);
    const QVector<Message> messages = readTs(tsPath(code));
    QVERIFY(!messages.isEmpty());
    QHash<QString, QString> translation;
    for (const Message& m : messages)
        translation.insert(m.context + QChar(0) + m.source, plainText(m.translation));
    static const QRegularExpression splitWord(
        QStringLiteral("(\\p{L}|%\\d)(<[^>]*>)*<br\\s*/?>(<[^>]*>)*(\\p{L}|%\\d)"),
        QRegularExpression::CaseInsensitiveOption);
    const bool spaced = !QStringList{"ja", "zh_CN", "zh_TW"}.contains(code);
    QStringList faults;
    for (const Message& m : messages) {
        const QString where = m.context + ": " + m.source.left(60);
        const QStringList strange = strangeTags(m.translation), strangeSource = strangeTags(m.source);
        if (!m.type.isEmpty() || m.translation.trimmed().isEmpty())
            faults << "untranslated " + where;
        else if (richText(m.source) && !strangeSource.isEmpty())
            faults << "no tag Qt knows (" + strangeSource.join(' ') + ") in the rich source " + where;
        else if (!strange.isEmpty() && (richText(m.translation) || richText(m.source) || strangeSource.isEmpty()))
            faults << "no tag Qt knows (" + strange.join(' ') + "), escape it as &lt; &gt;, in " + where;
        else if (fixedParts(m.translation) != fixedParts(m.source))
            faults << "placeholders or markup differ in " + where;
        else if (spaced && splitWord.match(m.translation).hasMatch())
            faults << "a line break splits a word (" + splitWord.match(m.translation).captured() + ") in " + where;
    }
    for (const Mention& mention : mentions) {
        bool named = false;
        for (const QString& key : mention.captionKeys)
            named = named || translation.value(mention.key).contains(translation.value(key));
        if (!named)
            faults << QString("\"%1\" is not named by its caption \"%2\" in %3: %4")
                          .arg(mention.caption, translation.value(mention.captionKeys.first()),
                               mention.key.section(QChar(0), 0, 0), translation.value(mention.key));
    }
    QVERIFY2(faults.isEmpty(),
             qPrintable(QString::number(faults.size()) + " faults, first: " + faults.mid(0, 5).join(" | ")));
}

void TestTranslations::compiled_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("code");
    for (const Language& language : languageTable())
        QTest::newRow(qPrintable(language.localeCode)) << language.fileName << language.shortCode;
}

// The shipped file loads, the longest text of every context comes out in the language, and the
// connection types listed by the guide still choose their pictures by the panel's words.
void TestTranslations::compiled()
{
    QFETCH(QString, file);
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(qEnvironmentVariable("BUILD_DIR") + "/lang/" + file));
    if (code == "en")
        return;
    QMap<QString, QString> longest;
    for (const Message& m : readTs(tsPath("en")))
        if (m.source.size() > longest.value(m.context).size())
            longest[m.context] = m.source;
    QStringList english;
    for (auto it = longest.cbegin(); it != longest.cend(); ++it) {
        const QString out = translator.translate(qPrintable(it.key()), it.value().toUtf8().constData());
        if (out.isEmpty() || out == it.value())
            english << it.key();
    }
    QVERIFY2(english.isEmpty(), qPrintable("English in " + file + ": " + english.join(", ")));

    const auto panel = [&](const char* text) { return translator.translate("ConnectionTypeMoreThanOne", text); };
    const ConnectionRules::SetWords words{panel("Ethernet"), panel("POE"), panel("PLC"), panel("Direct Connection")};
    const std::pair<const char*, ConnectionRules::StepSet> items[] = {
        {"Choose your connection type", ConnectionRules::StepSet::Overview},
        {"Ethernet", ConnectionRules::StepSet::Ethernet},
        {"POE(Power Over Ethernet)", ConnectionRules::StepSet::PoE},
        {"PLC(Power Line Communication)", ConnectionRules::StepSet::PLC},
        {"Direct Connection", ConnectionRules::StepSet::Direct}};
    for (const auto& item : items)
        QVERIFY2(ConnectionRules::chooseSet(translator.translate("CameraConnectionPage", item.first), words) ==
                     item.second,
                 item.first);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
