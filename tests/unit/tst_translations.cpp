#include <QtTest>

#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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
};

void TestTranslations::initTestCase()
{
    const QString current = scratch.filePath("current.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(sourceRoot());
    lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate",
                  {"-silent", "base", "shell", "protocol", "platform", "welcome", "setup", "guide", "wifi", "apmode",
                   "cloud", "-ts", current});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    codeTexts = keys(readTs(current));
    QVERIFY(codeTexts.size() > 300);
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
// words with spaces a line break beside no space splits a word ("fournis<br>seur").
void TestTranslations::translated()
{
    QFETCH(QString, code);
    const QVector<Message> messages = readTs(tsPath(code));
    QVERIFY(!messages.isEmpty());
    static const QRegularExpression splitWord(
        QStringLiteral("(\\p{L}|%\\d)(<[^>]*>)*<br\\s*/?>(<[^>]*>)*(\\p{L}|%\\d)"),
        QRegularExpression::CaseInsensitiveOption);
    const bool spaced = !QStringList{"ja", "zh_CN", "zh_TW"}.contains(code);
    QStringList faults;
    for (const Message& m : messages) {
        const QString where = m.context + ": " + m.source.left(60);
        if (!m.type.isEmpty() || m.translation.trimmed().isEmpty())
            faults << "untranslated " + where;
        else if (fixedParts(m.translation) != fixedParts(m.source))
            faults << "placeholders or markup differ in " + where;
        else if (spaced && splitWord.match(m.translation).hasMatch())
            faults << "a line break splits a word (" + splitWord.match(m.translation).captured() + ") in " + where;
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
