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

// What must survive translation: placeholders (%1, %L1, %n) and markup other than line breaks.
QStringList fixedParts(const QString& text)
{
    static const QRegularExpression parts(QStringLiteral("%L?\\d+|%n|</?[A-Za-z][^>]*>"));
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

// What a translation tool knows of a language: the letters it writes beyond A to Z, as a character class of either
// case (names, acronyms and addresses are Latin in every language), and its quotation marks, each pair an opening
// and a closing mark (straight double quotes where the language's software writes them).
struct LanguageRules
{
    const char* code;
    const char* letters;
    const char* quotes;
};

const LanguageRules kLanguageRules[] = {
    {"cs", "áčďéěíňóřšťúůýž", "„“‚‘"},
    {"da", "æøåé", "»«„“\"\""},
    {"de", "äöüß", "„“‚‘"},
    {"el", "\\x{0370}-\\x{03FF}", "«»“”"},
    {"es", "áéíñóúü", "«»“”"},
    {"fi", "äöåšž", "””»»\"\""},
    {"fr", "àâæçéèêëîïôœùûüÿ", "«»“”"},
    {"hr", "čćđšž", "„”»«"},
    {"hu", "áéíóöőúüű", "„”»«"},
    {"it", "àèéìíîòóùú", "«»“”\"\""},
    {"ja", "\\x{3005}\\x{3040}-\\x{30FF}\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}", "「」『』"},
    {"ko", "\\x{1100}-\\x{11FF}\\x{3130}-\\x{318F}\\x{AC00}-\\x{D7A3}", "“”‘’\"\""},
    {"nl", "áéèëíïóöúü", "“”‘’\"\""},
    {"no", "æøåéóô", "«»‘’"},
    {"pl", "ąćęłńóśźż", "„”«»"},
    {"pt", "áâãàçéêíóôõú", "«»“”"},
    {"pt_BR", "áâãàçéêíóôõú", "“”‘’\"\""},
    {"ro", "ăâîșț", "„”«»"},
    {"ru", "а-яё", "«»„“"},
    {"sl", "čšž", "„“»«"},
    {"sv", "åäöé", "””»»\"\""},
    {"zh_CN", "\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}", "“”‘’"},
    {"zh_TW", "\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}", "「」『』"},
};

const LanguageRules* rulesOf(const QString& code)
{
    for (const LanguageRules& rules : kLanguageRules)
        if (code == QLatin1String(rules.code))
            return &rules;
    return nullptr;
}

bool cjk(const QString& code)
{
    return code == "ja" || code == "zh_CN" || code == "zh_TW";
}

// A text as a reader takes it in: markup (a style sheet with it) a space, entities read, spaces folded.
QString readable(const QString& text)
{
    static const QRegularExpression markup(QStringLiteral("<style.*?</style>|<[^>]*>"),
                                           QRegularExpression::DotMatchesEverythingOption |
                                               QRegularExpression::CaseInsensitiveOption);
    return plainText(QString(text).replace(markup, " "));
}

// The accelerators of a text: an "&" before a letter or digit, not "&&" (an ampersand) nor an entity ("&nbsp;").
int accelerators(const QString& text)
{
    static const QRegularExpression mark(
        QStringLiteral("&(?:&|#\\d+;|#x[0-9A-Fa-f]+;|[A-Za-z][A-Za-z0-9]*;|([\\p{L}\\p{N}]))"));
    int count = 0;
    for (auto it = mark.globalMatch(text); it.hasNext();)
        count += it.next().capturedLength(1) > 0;
    return count;
}

// The tags of a text that nest with no other: a closing tag whose element is not the innermost one open, and the
// elements left open (void elements, <br> and <img>, aside).
QStringList unnested(const QString& text)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)[^>]*?(/?)>"));
    static const QStringList voids{"br", "img", "meta", "hr", "input", "col", "link", "area", "base", "wbr"};
    QStringList open, faults;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        const QString name = found.captured(2).toLower();
        if (voids.contains(name) || !found.captured(3).isEmpty())
            continue;
        if (found.captured(1).isEmpty())
            open << name;
        else if (!open.isEmpty() && open.last() == name)
            open.removeLast();
        else
            faults << found.captured();
    }
    for (const QString& name : open)
        faults << "<" + name + ">";
    return faults;
}

// The quotation marks and brackets of a text that pair with none: a mark that closes nothing, one left open, a
// quotation mark the language does not write (quotes: its pairs). An apostrophe closes only a mark it pairs with.
QStringList unpaired(const QString& text, const QString& quotes)
{
    static const QString brackets = QStringLiteral("()[]{}<>（）［］【】〈〉《》〔〕");
    static const QString anyQuote = QStringLiteral("\"“”„‚‘’«»‹›「」『』");
    const QString pairs = quotes + brackets;
    QString open;  // innermost last
    QStringList faults;
    for (const QChar c : text) {
        bool closes = false, opens = false, closer = false;
        for (int i = 0; i < pairs.size(); i += 2) {
            closes = closes || (!open.isEmpty() && pairs.at(i) == open.back() && pairs.at(i + 1) == c);
            opens = opens || pairs.at(i) == c;
            closer = closer || pairs.at(i + 1) == c;
        }
        if (closes)
            open.chop(1);
        else if (c == '\'' || c == QChar(0x2019))
            continue;
        else if (opens)
            open += c;
        else if (closer)
            faults << QString("%1 closes nothing").arg(c);
        else if (anyQuote.contains(c))
            faults << QString("%1 is not the language's").arg(c);
    }
    for (const QChar c : open)
        faults << QString("%1 left open").arg(c);
    return faults;
}

// The characters of a text that are not its language's: a letter beyond A to Z and its own, UTF-8 read as Latin-1
// or Windows-1252 ("Ã©", "â€™", "Ä…"), a control character or the replacement character; in Chinese and Japanese a
// half-width mark beside their characters, elsewhere their punctuation.
QStringList strangeCharacters(const QString& text, const QString& code, const QString& letters)
{
    static const QString follow = QStringLiteral("\\x{0080}-\\x{009F}\\x{00A1}-\\x{00BF}€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    static const QRegularExpression mojibake("[ÂÃÐ]\\x{00A0}|[ÂÃÄÅÈÎÏÐÑ][" + follow + "]|[à-ï][" + follow + "]{2}" +
                                             "|[\\x{0001}-\\x{0008}\\x{000B}\\x{000C}\\x{000E}-\\x{001F}\\x{FFFD}]");
    static const QString kanaKanji =
        QStringLiteral("\\x{3040}-\\x{30FF}\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}\\x{F900}-\\x{FAFF}");
    static const QRegularExpression halfWidth("[" + kanaKanji + "][,.!?:;]|[,.!?:;](?=[" + kanaKanji + "])");
    static const QRegularExpression fullWidth(QStringLiteral("[\\x{3000}-\\x{303F}\\x{FF01}-\\x{FF65}]"));
    const QRegularExpression foreign("(?![A-Za-z" + letters + "])\\p{L}", QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (const QRegularExpression* kind : {&mojibake, &foreign, cjk(code) ? &halfWidth : &fullWidth})
        for (auto it = kind->globalMatch(text); it.hasNext();)
            found << it.next().captured();
    found.removeDuplicates();
    return found;
}

// How a text ends: '.', '!', '?' or ':' (a CJK mark as its half-width one, an ellipsis as a full stop, Greek's ';' as
// a question mark), or nothing; closing quotes and brackets after it aside. Japanese puts a question as a heading or
// link as a noun phrase ending in とは ("what is") or 場合 ("in case"), without a question mark.
QChar endOf(const QString& text, const QString& code)
{
    static const QRegularExpression after(QStringLiteral("[\\s\"'”’»)\\]」』）]+$"));
    const QString body = QString(text).remove(after);
    if (code == "ja" && (body.endsWith(QStringLiteral("とは")) || body.endsWith(QStringLiteral("場合"))))
        return '?';
    static const QHash<QChar, QChar> same{{QChar(u'。'), '.'}, {QChar(u'．'), '.'}, {QChar(u'…'), '.'},
                                          {QChar(u'！'), '!'}, {QChar(u'？'), '?'}, {QChar(u'：'), ':'}};
    QChar end = body.isEmpty() ? QChar() : same.value(body.back(), body.back());
    if (code == "el" && (end == ';' || end == QChar(0x037E)))
        end = '?';
    return QStringLiteral(".!?:").contains(end) ? end : QChar();
}

// The sentences of a text that another follows: an end mark (and the closing marks after it) before a space and more
// text; in Chinese and Japanese also a CJK end mark before more text.
int sentenceBreaks(const QString& text, const QString& code)
{
    static const QRegularExpression spaced(QStringLiteral("[.!?…]+[\"'”’»)\\]]*(?=\\s+\\S)"));
    static const QRegularExpression greek(QStringLiteral("[.!?…;\\x{037E}]+[\"'”’»)\\]]*(?=\\s+\\S)"));
    static const QRegularExpression chinese(QStringLiteral("[。！？]+[」』”’）]*(?=\\s*\\S)|[.!?]+(?=\\s+\\S)"));
    const QRegularExpression& ends = cjk(code) ? chinese : code == "el" ? greek : spaced;
    int count = 0;
    for (auto it = ends.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

// Languages whose translations may agree word for word, whole or in a clause: two spellings of Portuguese, the
// Scandinavian languages, which share much of their words, and Chinese in its two scripts, which share many characters.
bool closeLanguages(const QString& one, const QString& other)
{
    static const QVector<QStringList> close{{"pt", "pt_BR"}, {"da", "no", "sv"}, {"zh_CN", "zh_TW"}};
    for (const QStringList& group : close)
        if (group.contains(one) && group.contains(other))
            return true;
    return one == other;
}

// Whether a text says enough that two languages do not share it by chance: four words in lower case or more, or
// eight CJK characters.
bool saysEnough(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[^\\W\\d_]+(?:['’-][^\\W\\d_]+)*"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression han(QStringLiteral(
        "[\\x{3040}-\\x{30FF}\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}\\x{AC00}-\\x{D7AF}\\x{F900}-\\x{FAFF}]"));
    int lower = 0, characters = 0;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString found = it.next().captured();
        lower += found == found.toLower() && found != found.toUpper();
    }
    for (auto it = han.globalMatch(text); it.hasNext(); it.next())
        ++characters;
    return lower >= 4 || characters >= 8;
}

// The clauses of a text that say enough (saysEnough) not to be shared by chance: its parts between the marks that end
// a sentence or a clause, brackets and quotation marks, in any script. Web and e-mail addresses are left out: they
// read alike in every language, and their dots would part them into clauses of lower-case words.
QSet<QString> clausesOf(const QString& text)
{
    static const QRegularExpression address(
        QStringLiteral("\\S+@\\S+|(?:https?://|www\\.)\\S+|[\\w-]+(?:\\.[\\w-]+)+/\\S*"),
        QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression marks(QStringLiteral("[.!?;:,()\\[\\]\"“”„‚‘«»‹›「」『』。！？；：，、（）…]"));
    QSet<QString> clauses;
    for (const QString& clause : QString(text).replace(address, " ").split(marks))
        if (saysEnough(clause))
            clauses.insert(clause.simplified());
    return clauses;
}

// The numbers a text says, each as its digits, in their order; a placeholder (%1), however miswritten (%l1, % 1), says
// none. A digit of any script counts by its value (full-width "６" is 6). Between digits, '.', ',', an apostrophe or a
// space (a no-break one read as a space) before exactly three digits groups thousands, as each language writes them
// (1.000, 1,000 and 1 000 are one number); a fraction's mark parts its digits alike in every language (2.4 and 2,4).
// Japanese and Korean write "hexadecimal" with a 16 (16 進数, 16진수): a word, no number.
QStringList numbersOf(const QString& text)
{
    static const QRegularExpression none(QStringLiteral("%\\s?[Ll]?\\d+|%[Nn]|16\\s*[進진]"));
    static const QString groups = QStringLiteral(".,'’ ");
    const QString plain = QString(text).replace(none, " ");
    const auto digitsAt = [&](int at) {
        int count = 0;
        while (at + count < plain.size() && plain.at(at + count).isDigit())
            ++count;
        return count;
    };
    QStringList numbers;
    for (int at = 0; at < plain.size();) {
        const int run = digitsAt(at);
        if (run == 0) {
            ++at;
            continue;
        }
        QString number;
        const auto take = [&](int count) {
            for (const int end = at + count; at < end; ++at)
                number += QChar('0' + plain.at(at).digitValue());
        };
        take(run);
        while (at + 1 < plain.size() && groups.contains(plain.at(at)) && digitsAt(at + 1) == 3) {
            ++at;
            take(3);
        }
        numbers << number;
    }
    return numbers;
}

// The numbers an English text spells out, one to twelve, which a language may write in digits ("Within one minute":
// Japanese "1 分以内に").
const char kSpelled[] = "one|two|three|four|five|six|seven|eight|nine|ten|eleven|twelve";

QStringList spelledOut(const QString& english)
{
    static const QStringList words = QString(kSpelled).split('|');
    static const QRegularExpression spelled(QStringLiteral("\\b(%1)\\b").arg(kSpelled),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList numbers;
    for (auto it = spelled.globalMatch(english); it.hasNext();)
        numbers << QString::number(words.indexOf(it.next().captured(1).toLower()) + 1);
    return numbers;
}

// The colours an English text names, and the stems of the words each language names them with, in any case: a
// translation names each of its source's.
const char* const kColours[] = {"green", "red", "blue"};
constexpr int kColourCount = int(sizeof kColours / sizeof *kColours);

struct ColourWords
{
    const char* code;
    const char* words[kColourCount];
};

const ColourWords kColourWords[] = {
    {"cs", {"zelen", "červen", "modr|modř"}},
    {"da", {"grøn", "rød", "blå"}},
    {"de", {"grün", "rot", "blau"}},
    {"el", {"πράσιν", "κόκκιν", "μπλε"}},
    {"es", {"verde", "roj[oa]", "azul"}},
    {"fi", {"vihre", "puna", "sini"}},
    {"fr", {"vert", "rouge", "bleu"}},
    {"hr", {"zelen", "crven", "plav"}},
    {"hu", {"zöld", "piros", "kék"}},
    {"it", {"verde", "ross[oa]", "blu"}},
    {"ja", {"緑", "赤", "青"}},
    {"ko", {"녹색|초록", "빨간|빨강|적색", "파란|파랑|청색"}},
    {"nl", {"groen", "rood", "blauw"}},
    {"no", {"grønn|grønt", "rød", "blå"}},
    {"pl", {"zielon", "czerwon", "niebiesk"}},
    {"pt", {"verde", "vermelh", "azul"}},
    {"pt_BR", {"verde", "vermelh", "azul"}},
    {"ro", {"verde", "roș|roş", "albastr"}},
    {"ru", {"зел[её]н", "красн", "син"}},
    {"sl", {"zelen", "rdeč", "modr"}},
    {"sv", {"grön", "röd|rött", "blå"}},
    {"zh_CN", {"绿", "红", "蓝"}},
    {"zh_TW", {"綠", "紅", "藍"}},
};

// The colours of an English text that a translation into the language does not name, as the source says them; all of
// them in a language without its words.
QStringList unnamedColours(const QString& english, const QString& translation, const QString& code)
{
    static QHash<QString, QVector<QRegularExpression>> stems;
    if (stems.isEmpty())
        for (const ColourWords& language : kColourWords)
            for (const char* words : language.words)
                stems[language.code] << QRegularExpression(QString::fromUtf8(words),
                                                           QRegularExpression::CaseInsensitiveOption);
    const QVector<QRegularExpression> own = stems.value(code, QVector<QRegularExpression>(kColourCount));
    QStringList unnamed;
    for (int at = 0; at < kColourCount; ++at) {
        const QRegularExpression colour(QStringLiteral("\\b%1\\b").arg(kColours[at]),
                                        QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch said = colour.match(english);
        if (said.hasMatch() && !own.at(at).match(translation).hasMatch())
            unnamed << said.captured();
    }
    return unnamed;
}

// The words each language counts one to twelve with, each a pattern of the whole word (its inflections), in any case;
// a number word counts only before a unit ("двух минут", "一分钟"), never inside a word ("もう一度", once more).
// Hungarian "hét" (seven) is left out: it is also "week", and "a hét napja" is the day of the week.
struct CountWords
{
    const char* code;
    const char* words[12];
};

const CountWords kCountWords[] = {
    {"en", {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven", "twelve"}},
    {"cs",
     {"jeden|jedn\\w*", "dva|dvě|dvou|dvěma", "tři|tří|třem|třemi", "čtyři|čtyř\\w*", "pět|pěti", "šest|šesti",
      "sedm|sedmi", "osm|osmi", "devět|devíti", "deset|deseti", "jedenáct\\w*", "dvanáct\\w*"}},
    {"da", {"en|et|én|ét", "to", "tre", "fire", "fem", "seks", "syv", "otte", "ni", "ti", "elleve", "tolv"}},
    {"de",
     {"ein|eine[mnrs]?", "zwei\\w*", "drei\\w*", "vier|viere[mn]", "fünf\\w*", "sechs\\w*", "sieben\\w*", "acht",
      "neun\\w*", "zehn\\w*", "elf", "zwölf\\w*"}},
    {"el",
     {"ένα|ένας|μία|μια|ενός|έναν", "δύο", "τρία|τρεις|τριών", "τέσσερ\\w*", "πέντε", "έξι", "επτά|εφτά", "οκτώ|οχτώ",
      "εννέα|εννιά", "δέκα", "έντεκα", "δώδεκα"}},
    {"es", {"un|uno|una", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez", "once", "doce"}},
    {"fi",
     {"yksi|yhden|yhtä|yhdessä", "kaksi|kahden|kahta", "kolme|kolmen|kolmea", "neljä|neljän|neljää",
      "viisi|viiden|viittä", "kuusi|kuuden|kuutta", "seitsemän|seitsemää", "kahdeksan|kahdeksaa", "yhdeksän|yhdeksää",
      "kymmenen|kymmentä", "yksitoista|yhdentoista", "kaksitoista|kahdentoista"}},
    {"fr", {"un|une", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf", "dix", "onze", "douze"}},
    {"hr",
     {"jedan|jedn\\w*", "dva|dvije|dvaju|dvama", "tri|triju", "četiri", "pet", "šest", "sedam", "osam", "devet",
      "deset", "jedanaest", "dvanaest"}},
    {"hu",
     {"egy", "két|kettő", "három|hármat", "négy", "öt", "hat", "-", "nyolc", "kilenc", "tíz", "tizenegy",
      "tizenkét|tizenkettő"}},
    {"it",
     {"un|uno|una", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "dieci", "undici", "dodici"}},
    {"ja", {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"}},
    {"ko", {"한|하나", "두|둘", "세|셋", "네|넷", "다섯", "여섯", "일곱", "여덟", "아홉", "열", "열한", "열두"}},
    {"nl", {"een|één|eén", "twee", "drie", "vier", "vijf", "zes", "zeven", "acht", "negen", "tien", "elf", "twaalf"}},
    {"no", {"en|ett|ei|én", "to", "tre", "fire", "fem", "seks", "sju|syv", "åtte", "ni", "ti", "elleve", "tolv"}},
    {"pl",
     {"jeden|jedn\\w*", "dwa|dwie|dwóch|dwu|dwoma", "trzy|trzech|trzema", "cztery|czterech|czterema", "pięć|pięciu",
      "sześć|sześciu", "siedem|siedmiu", "osiem|ośmiu", "dziewięć|dziewięciu", "dziesięć|dziesięciu",
      "jedenaście|jedenastu", "dwanaście|dwunastu"}},
    {"pt", {"um|uma", "dois|duas", "três", "quatro", "cinco", "seis", "sete", "oito", "nove", "dez", "onze", "doze"}},
    {"pt_BR",
     {"um|uma", "dois|duas", "três", "quatro", "cinco", "seis", "sete", "oito", "nove", "dez", "onze", "doze"}},
    {"ro",
     {"un|una|unu|o", "doi|două", "trei", "patru", "cinci", "șase|şase", "șapte|şapte", "opt", "nouă", "zece",
      "unsprezece", "doisprezece|douăsprezece"}},
    {"ru",
     {"один|одн\\w*", "два|две|двух|двум|двумя", "три|трёх|трех|трём|трем|тремя", "четыре|четырёх|четырех",
      "пять|пяти|пятью", "шесть|шести|шестью", "семь|семи|семью", "восемь|восьми", "девять|девяти", "десять|десяти",
      "одиннадцат\\w*", "двенадцат\\w*"}},
    {"sl",
     {"en|ena|eno|eni|enega|enem|eno", "dva|dve|dveh|dvema", "tri|treh", "štiri|štirih", "pet|petih", "šest|šestih",
      "sedem|sedmih", "osem|osmih", "devet|devetih", "deset|desetih", "enajst\\w*", "dvanajst\\w*"}},
    {"sv", {"en|ett", "två", "tre", "fyra", "fem", "sex", "sju", "åtta", "nio", "tio", "elva", "tolv"}},
    {"zh_CN", {"一", "二|两", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"}},
    {"zh_TW", {"一", "二|兩", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"}},
};

// Units of measure by kind, each with its scale within its kind: a translation counts in the source's kind and scale
// (128 bits are not 128 bytes, 6 seconds not 6 minutes).
enum class Kind
{
    Time,
    DataSize,
    TextLength,
    Length
};
struct Unit
{
    Kind kind;
    int scale;  // in the kind's smallest unit; lengths of the screen and of the world apart
    const char* name;
};
// Ordered so that a word holding another's stem is read first: "másodperc" (a second) before "perc" (a minute),
// "位元組" (a byte) before "位元" (a bit).
const Unit kUnits[] = {{Kind::Time, 1, "second"},  {Kind::Time, 60, "minute"},         {Kind::Time, 3600, "hour"},
                       {Kind::Time, 86400, "day"}, {Kind::Time, 604800, "week"},       {Kind::DataSize, 8, "byte"},
                       {Kind::DataSize, 1, "bit"}, {Kind::TextLength, 1, "character"}, {Kind::Length, 1, "pixel"},
                       {Kind::Length, 2, "metre"}};
constexpr int kUnitCount = int(sizeof kUnits / sizeof *kUnits);

// The stems each language names the units with (a word holding one names that unit: "Hexadezimalzeichen", "秒間"),
// in kUnits' order; a digit of a hexadecimal number is a character of a text's length.
struct UnitWords
{
    const char* code;
    const char* words[kUnitCount];
};

const UnitWords kUnitWords[] = {
    {"en",
     {"^sec", "^min", "^hour|^hrs?$", "^days?$", "^weeks?$", "^bytes?$|^octets?$", "^bits?$",
      "^char|^digit|^letter|^hex$", "^px$|^pixel", "^met(?:er|re)"}},
    {"cs",
     {"sekund", "minut", "hodin", "^dn[yůíu]|^den$", "týd", "bajt", "^bit", "znak|číslic|písmen", "pixel|^px$",
      "metr"}},
    {"da",
     {"sekund", "minut", "^time", "^dag", "^uge", "byte", "^bit", "tegn|ciffer|cifre|bogstav", "pixel|^px$", "meter"}},
    {"de",
     {"sekunde", "minute", "stunde", "^tag", "woche", "byte", "^bits?$", "zeichen|ziffer|buchstabe", "pixel|^px$",
      "meter"}},
    {"el",
     {"δευτερόλεπτ", "λεπτ", "^ώρ|^ωρ", "^ημέρ|^ημερ|^μέρ", "εβδομάδ", "byte|μπάιτ", "^bit|μπιτ",
      "χαρακτήρ|ψηφί|^γράμμ", "pixel|εικονοστοιχ|^px$", "μέτρ"}},
    {"es",
     {"segundo", "minuto", "^hora", "^día", "semana", "byte", "bit", "caracter|carácter|dígito", "píxel|pixel|^px$",
      "^metro"}},
    {"fi",
     {"sekunti|sekunnin", "minuut", "tunti|tunnin", "päivä", "viiko", "tavu", "bitti", "merkki|merkin|numero",
      "pikseli|^px$", "metri"}},
    {"fr",
     {"seconde", "minute", "heure", "^jours?$", "semaine", "octet", "^bits?$", "caractère|chiffre", "pixel|^px$",
      "mètre"}},
    {"hr",
     {"sekund", "minut", "^sat", "^dan", "tjed", "bajt", "^bit", "znak|znamen|slov", "piksel|^px$", "metar|metr"}},
    {"hu",
     {"másodperc", "perc", "^ór", "^nap", "^hét|^het", "bájt", "^bit", "karakter|számjegy", "képpont|pixel|^px$",
      "méter"}},
    {"it",
     {"second[io]", "minut[oi]", "^or[ae]$", "giorn", "settiman", "byte", "^bit$", "caratter|cifr", "pixel|^px$",
      "^metr"}},
    {"ja", {"秒", "分", "時間", "日", "週", "バイト", "ビット", "文字|桁", "ピクセル|px", "メートル"}},
    {"ko", {"^초", "^분", "^시간", "^일", "^주", "바이트", "비트", "^자|자리", "픽셀|px", "미터"}},
    {"nl",
     {"seconde", "minuut|minuten", "^uur", "^dag", "^we[e]?k", "byte", "^bit", "teken|cijfer|letter", "pixel|^px$",
      "meter"}},
    {"no",
     {"sekund", "minutt", "^time", "^dag", "^uke", "byte", "^bit", "tegn|siffer|sifre|bokstav", "piksel|^px$",
      "meter"}},
    {"pl",
     {"sekund", "minut", "godzin", "^dni|^dzień|^dnia", "tydz|tygod", "bajt", "^bit", "znak|cyfr|liter", "piksel|^px$",
      "metr"}},
    {"pt",
     {"segundo", "minuto", "^hora", "^dia", "semana", "byte", "bit", "caracter|caráter|carácter|dígito",
      "píxel|pixel|^px$", "^metro"}},
    {"pt_BR",
     {"segundo", "minuto", "^hora", "^dia", "semana", "byte", "bit", "caracter|caractere|dígito", "pixel|^px$",
      "^metro"}},
    {"ro",
     {"secund", "minut", "^or[ăae]", "^zi", "săptămân", "octet|byte", "biț|biţ|^bit", "caracter|cifr", "pixel|^px$",
      "^metr"}},
    {"ru",
     {"секунд", "минут", "^час", "^дн|^день|^дней", "недел", "байт", "бит", "символ|знак|цифр", "пиксел|^px$",
      "^метр"}},
    {"sl",
     {"sekund", "minut", "^ur", "^dn|^dan", "teden|tedn", "bajt", "^bit", "znak|števk|črk", "piksl|^px$",
      "meter|metr"}},
    {"sv", {"sekund", "minut", "timm", "^dag", "veck", "byte", "^bit", "tecken|siffr|bokst", "pixel|^px$", "meter"}},
    {"zh_CN", {"秒", "分", "小时", "天|日", "周|星期", "字节", "位|比特", "字符|数字|字母", "像素|px", "米"}},
    {"zh_TW", {"秒", "分", "小時", "天|日", "週|星期", "位元組", "位元", "字元|數字|字母", "像素|px", "公尺"}},
};

// A count of a text and the unit it counts in (an index of kUnits, or -1): a number, or a number word of the
// language, and the first word of the next three that names a unit (a classifier "个", a word such as "ASCII" or
// "alphanumeric", between them), but not past another number.
struct Count
{
    QString number;
    int unit;
    bool word;  // spelled out
};

int unitOf(const QString& word, const QString& code, bool counted = true)
{
    static QHash<QString, QVector<QRegularExpression>> stems;
    if (stems.isEmpty())
        for (const UnitWords& language : kUnitWords)
            for (const char* words : language.words)
                stems[language.code] << QRegularExpression(QString::fromUtf8(words),
                                                           QRegularExpression::CaseInsensitiveOption);
    const QVector<QRegularExpression> own = stems.value(code);
    // A Chinese or Japanese word is a run of characters: the unit of a count stands at its start ("秒間押し続けて"),
    // past a classifier ("个字符").
    const bool run = counted && cjk(code);
    const QString head = run ? QString(word).remove(QRegularExpression(QStringLiteral("^[个個]"))) : word;
    for (int at = 0; at < own.size(); ++at) {
        const QRegularExpressionMatch found = own.at(at).match(head);
        if (found.hasMatch() && (!run || found.capturedStart() == 0))
            return at;
    }
    return -1;
}

int countWord(const QString& word, const QString& code)
{
    static QHash<QString, QVector<QRegularExpression>> words;
    if (words.isEmpty())
        for (const CountWords& language : kCountWords)
            for (const char* count : language.words)
                words[language.code] << QRegularExpression(QStringLiteral("^(?:%1)$").arg(QString::fromUtf8(count)),
                                                           QRegularExpression::CaseInsensitiveOption |
                                                               QRegularExpression::UseUnicodePropertiesOption);
    const QVector<QRegularExpression> own = words.value(code);
    for (int at = own.size() - 1; at >= 0; --at)
        if (own.at(at).match(word).hasMatch())
            return at + 1;
    return 0;
}

QVector<Count> countsOf(const QString& text, const QString& code)
{
    static const QRegularExpression none(QStringLiteral("%\\s?[Ll]?\\d+|%[Nn]|16\\s*(?=[進진])"));
    static const QRegularExpression tokens(QStringLiteral("(\\d+)|([\\w]+)"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression cjkCount(
        QStringLiteral("(十二|十一|十|一|二|两|兩|三|四|五|六|七|八|九)(?=[个個]?\\S)"));
    QStringList words;
    QVector<bool> digits;
    for (auto it = tokens.globalMatch(QString(text).replace(none, " ")); it.hasNext();) {
        const QRegularExpressionMatch token = it.next();
        QString word = token.captured();
        // A CJK run may hold a count word before its unit ("请在一分钟内"): the word and the rest apart.
        const QRegularExpressionMatch inside = cjk(code) ? cjkCount.match(word) : QRegularExpressionMatch();
        if (inside.hasMatch() && unitOf(word.mid(inside.capturedEnd()), code) >= 0) {
            words << inside.captured(1) << word.mid(inside.capturedEnd());
            digits << false << false;
            continue;
        }
        words << word;
        digits << (token.capturedLength(1) > 0);
    }
    QVector<Count> counts;
    for (int at = 0; at < words.size(); ++at) {
        const int spelled = digits.at(at) ? 0 : countWord(words.at(at), code);
        if (!digits.at(at) && spelled == 0)
            continue;
        int unit = -1;
        for (int next = at + 1; next < words.size() && next <= at + 3 && unit < 0 && !digits.at(next); ++next)
            unit = unitOf(words.at(next), code);
        // A number word counts what it is said before: without a unit it may be an article ("ein", "un"), a day's short
        // name (Croatian "Pet", Friday) or another word ("nouă", new).
        if (spelled > 0 && unit < 0)
            continue;
        QString number;
        for (const QChar c : words.at(at))
            number += QChar('0' + c.digitValue());
        counts.append({spelled > 0 ? QString::number(spelled) : number, unit, spelled > 0});
    }
    return counts;
}

// The units a translation does not count in as its source does: a unit the source counts in that the translation
// names nowhere, and a unit of the same kind but another scale that the translation counts in ("128 octets", bytes,
// for "128 bits").
QStringList unitsUnlike(const QString& english, const QString& translation, const QString& code)
{
    QSet<int> source, own;
    for (const Count& count : countsOf(english, "en"))
        if (count.unit >= 0)
            source.insert(count.unit);
    for (const Count& count : countsOf(translation, code))
        if (count.unit >= 0)
            own.insert(count.unit);
    static const QRegularExpression words(QStringLiteral("\\w+"), QRegularExpression::UseUnicodePropertiesOption);
    QSet<int> named;
    for (auto it = words.globalMatch(translation); it.hasNext();)
        named.insert(unitOf(it.next().captured(), code, false));
    QStringList unlike;
    for (const int unit : source)
        if (!named.contains(unit) && !own.contains(unit))
            unlike << QString("%1 not named").arg(kUnits[unit].name);
    for (const int unit : own) {
        bool sameKind = false;
        for (const int said : source)
            sameKind = sameKind || kUnits[said].kind == kUnits[unit].kind;
        if (sameKind && !source.contains(unit))
            unlike << QString("counted in %1s").arg(kUnits[unit].name);
    }
    unlike.sort();
    return unlike;
}

// A text as it is laid out: markup dropped but for its line breaks (a line's end), entities read, a no-break space
// kept.
QString laidOut(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression markup(QStringLiteral("<style.*?</style>|<[^>]*>"),
                                           QRegularExpression::DotMatchesEverythingOption |
                                               QRegularExpression::CaseInsensitiveOption);
    return QString(text)
        .replace(lineBreak, "\n")
        .remove(markup)
        .replace("&nbsp;", QChar(0x00A0))
        .replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&amp;", "&");
}

// A hyphen a space follows, which leaves a compound's first part alone ("Cloud- camera"): a hyphen ends a word before
// a space only where the word's second part follows an "and" or "or" ("Cloud- und Direct-Taste"); at a line's end it
// is a compound's break.
QString hyphenParting(const QString& laid)
{
    static const QRegularExpression parting(QStringLiteral("\\p{L}-[ \\x{00A0}]+(\\p{L}+)"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression andOr(
        QStringLiteral("^(?:and|or|und|oder|bzw|sowie|en|of|og|eller|och|ja|tai|sekä|a|nebo|i|lub|oraz|albo|in|ali|ili|"
                       "és|vagy|illetve|e|ou|o|y|et|și|sau|и|или|και|ή)$"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = parting.globalMatch(laid); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        if (!andOr.match(found.captured(1)).hasMatch())
            return found.captured();
    }
    return {};
}

// A quotation mark a line may end on or begin with, apart from the words it quotes: an opening mark a breaking space
// follows or a closing one a breaking space comes before (French « and » keep a no-break space). Marks that open
// and close alike ("straight quotes") cannot be told apart and are left.
QString quoteParted(const QString& laid, const QString& quotes)
{
    for (int i = 0; i + 1 < quotes.size(); i += 2) {
        if (quotes.at(i) == quotes.at(i + 1))
            continue;
        const int opening = laid.indexOf(quotes.at(i) + QString(' ')),
                  closing = laid.indexOf(QString(' ') + quotes.at(i + 1));
        if (opening >= 0 || closing >= 0)
            return laid.mid(std::max(0, (opening >= 0 ? opening : closing) - 10), 24);
    }
    return {};
}

// Each language's finished translations, plain, by context and source ("context\0source").
using Tables = QHash<QString, QHash<QString, QString>>;
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
    QStringList faultsOf(const QString& code, const QVector<Message>& messages, const Tables& others) const;

    QTemporaryDir scratch;
    QSet<QString> codeTexts;
    QVector<Mention> mentions;
    QSet<QString> captions;
    Tables tables;
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
    captions = controlCaptions();
    for (const Language& language : languageTable())
        for (const Message& m : readTs(tsPath(language.shortCode)))
            if (language.shortCode != "en" && plainText(m.translation) != plainText(m.source))
                tables[language.shortCode].insert(m.context + QChar(0) + m.source, plainText(m.translation));
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
    QTest::addColumn<QList<QStringList>>("planted");  // (language, context, source, translation), else the file
    QTest::addColumn<QString>("fault");               // the kind of fault the planted texts make, or none
    for (const Language& language : languageTable())
        if (language.shortCode != "en")
            QTest::newRow(qPrintable(language.shortCode)) << language.shortCode << QList<QStringList>() << QString();
    const auto plant = [](const char* name, const char* fault, const QList<QStringList>& texts) {
        QTest::newRow(name) << texts.first().first() << texts << QString(fault);
    };
    plant("an accelerator drawn in a caption", "accelerator", {{"fr", "Mainpage", "Next", "&Suivant"}});
    plant("an ampersand and an entity", "",
          {{"fr", "C", "<b>Terms and Conditions</b>, Q and A", "<b>Termes &amp; conditions</b>, Q&&R"}});
    plant("a quote left open", "unpaired", {{"pl", "C", "Click \"Retry\".", "Kliknij „Ponów."}});
    plant("a quote closed", "", {{"pl", "C", "Click \"Retry\".", "Kliknij „Ponów”."}});
    plant("a quote never opened", "unpaired", {{"pl", "C", "Click \"Retry\".", "Kliknij Ponów”."}});
    plant("another language's quotes", "unpaired", {{"de", "C", "Click \"Retry\".", "Klicken Sie auf “Erneut”."}});
    plant("Portugal's quotes in Brazil", "unpaired", {{"pt_BR", "C", "Click \"Retry\".", "Clique em «Repetir»."}});
    plant("a bracket left open", "unpaired", {{"sv", "C", "PoE (Power over Ethernet)", "PoE (ström via Ethernet"}});
    plant("a bracket never opened", "unpaired", {{"sv", "C", "PoE (Power over Ethernet)", "PoE ström via Ethernet)"}});
    plant("an apostrophe", "", {{"fr", "C", "Restart the device.", "Redémarrez l’appareil."}});
    plant("mojibake", "characters", {{"es", "C", "Saved.", "ConfiguraciÃ³n guardada."}});
    plant("mojibake of the language's letters", "characters", {{"pt", "C", "Saved.", "ConfiguraÃ§Ã£o guardada."}});
    plant("an apostrophe read as Windows-1252", "characters",
          {{"fr", "C", "Restart the device.", "Redémarrez lâ€™appareil."}});
    plant("a letter of another alphabet", "characters", {{"ro", "C", "Network", "Reţea"}});
    plant("a capital letter of the language", "", {{"pt", "C", "NO", "NÃO"}});
    plant("a sharp s before a quote", "", {{"de", "C", "Say \"Hello\".", "Sagen Sie „Gruß“."}});
    plant("a half-width stop in Japanese", "characters", {{"ja", "C", "Try again.", "もう一度お試しください."}});
    plant("a full-width stop in Korean", "characters", {{"ko", "C", "Try again.", "다시 시도하세요。"}});
    plant("a sentence cut", "end", {{"sv", "C", "Then click Retry.", "Klicka sedan på Försök igen"}});
    plant("a sentence left out", "sentences",
          {{"sv", "C", "Make sure the camera is on. Then click Retry.", "Klicka sedan på Försök igen."}});
    plant("a piece of a sentence ended", "",
          {{"ja", "C", "olvaris and is ready. You can now view your<br>", "olvaris に登録されました。"}});
    plant("two sentences", "",
          {{"sv", "C", "Make sure the camera is on. Then click Retry.",
            "Se till att kameran är på. Klicka på Försök igen."}});
    plant("a Greek question", "", {{"el", "C", "Forgot your password?", "Ξεχάσατε τον κωδικό;"}});
    plant("a Japanese question as a heading", "", {{"ja", "C", "Ready. What is WPS?", "準備ができました。 WPS とは"}});
    plant("a Japanese statement for a question", "end", {{"ja", "C", "What is WPS?", "WPS です。"}});
    plant("markup turned inside out", "markup", {{"fr", "C", "Click <b>Next</b>.", "Cliquez sur </b>Suivant<b>."}});
    plant("markup overlapping", "markup", {{"fr", "C", "<b><i>Next</i></b>", "<b><i>Suivant</b></i>"}});
    plant("an entity in a plain text", "markup", {{"de", "C", "Camera name:", "Kameraname&nbsp;:"}});
    plant("a placeholder of the locale miswritten", "placeholders", {{"de", "C", "%L1 cameras", "%l1 Kameras"}});
    plant("a plural placeholder miswritten", "placeholders", {{"de", "C", "%n cameras", "%N Kameras"}});
    const QString source = "Click %1 to try again.";
    plant("another language's text pasted", "copy",
          {{"pt", "C", source, "Pulse %1 para volver a intentarlo."},
           {"es", "C", source, "Pulse %1 para volver a intentarlo."}});
    plant("another language's short text", "",
          {{"pt", "C", source, "Pulse %1 para reintentar ahora."},
           {"es", "C", source, "Pulse %1 para reintentar ahora."}});
    plant("a close language's text", "",
          {{"pt_BR", "C", source, "Clique em %1 para tentar de novo."},
           {"pt", "C", source, "Clique em %1 para tentar de novo."}});
    plant("another language's characters pasted", "copy",
          {{"ja", "C", "Check the power, then retry.", "電源接続確認後再試行。"},
           {"zh_CN", "C", "Check the power, then retry.", "電源接続確認後再試行。"}});
    plant("another language's few characters", "",
          {{"ja", "C", "Check the power, then retry.", "電源確認再試行。"},
           {"zh_CN", "C", "Check the power, then retry.", "電源確認再試行。"}});
    plant("two actions read alike", "caption",
          {{"pl", "DeviceSetupCompletePage", "Finish", "Zakończ"}, {"pl", "Mainpage", "Exit", "Zakończ"}});
    plant("two actions read apart", "",
          {{"pl", "DeviceSetupCompletePage", "Finish", "Zakończ"}, {"pl", "Mainpage", "Exit", "Wyjdź"}});
    const QString terms = "This licence ends if you break its terms; you must then delete every copy of the wizard.";
    plant("another language's clause pasted", "copy",
          {{"sl", "C", terms, "Licenca preneha veljati, če kršite njene pogoje; tada morate izbrisati svaku kopiju."},
           {"hr", "C", terms, "Licenca prestaje ako prekršite njezine uvjete; tada morate izbrisati svaku kopiju."}});
    const QString direct = "Press the Direct button on your camera, then click Next.";
    plant("a clause of a few words alike", "",
          {{"sl", "C", direct, "Pritisnite gumb Direct na kameri, nato kliknite Naprej."},
           {"hr", "C", direct, "Pritisnite gumb Direct na kameri, zatim kliknite Dalje."}});
    plant("a close language's clause", "",
          {{"pt", "C", terms, "Esta licença termina se violar os seus termos; deve então apagar todas as cópias."},
           {"pt_BR", "C", terms, "Esta licença termina se você violar os termos; deve então apagar todas as cópias."}});
    const QString download = "Download it from www.olvaris.invalid/support/download/wizard/latest";
    plant("an address in clauses alike", "",
          {{"es", "C", download, "Descárguelo de www.olvaris.invalid/support/download/wizard/latest"},
           {"it", "C", download, "Scaricatelo da www.olvaris.invalid/support/download/wizard/latest"}});
    const QString wps = "Press the WPS button for 6 seconds. The WPS LED will start flashing blue.";
    plant("a number changed", "numbers",
          {{"pt", "C", wps, "Prima o botão WPS durante 60 segundos. O LED WPS pisca a azul."}});
    plant("a number left out", "numbers",
          {{"pt", "C", wps, "Prima o botão WPS uns segundos. O LED WPS pisca a azul."}});
    plant("a number in full-width digits", "",
          {{"ja", "C", wps, "WPS ボタンを６秒間押します。WPS LED が青色に点滅します。"}});
    plant("a thousand grouped as the language groups it", "",
          {{"fr", "C", "Up to 1,000 cameras.", "Jusqu’à 1\u202F000 caméras."}});
    plant("a number added", "numbers", {{"de", "C", "Press the WPS button.", "Drücken Sie 2-mal die WPS-Taste."}});
    plant("a number the source spells out, in digits", "",
          {{"ko", "C", "Within one minute, press it.", "1분 이내에 누르세요."}});
    plant("hexadecimal written with 16", "", {{"ja", "C", "Use 64 HEX.", "64 桁の 16 進数を使用します。"}});
    plant("a colour changed", "colours",
          {{"pt", "C", wps, "Prima o botão WPS durante 6 segundos. O LED WPS pisca a verde."}});
    plant("a unit changed", "units",
          {{"es", "C", wps, "Pulse el botón WPS durante 6 minutos. El LED WPS parpadea en azul."}});
    plant("a unit of another scale in Japanese", "units",
          {{"ja", "C", wps, "WPS ボタンを 6 分間押し続けてください。WPS LED が青色に点滅します。"}});
    plant("a unit of data of another scale", "units", {{"fr", "C", "WEP,128bit", "WEP 128 octets"}});
    plant("a unit of data carried", "", {{"fr", "C", "WEP,128bit", "WEP 128 bits"}});
    plant("a unit inside a compound", "", {{"de", "C", "Use 64 HEX.", "Verwenden Sie 64 Hexadezimalzeichen."}});
    plant("a unit after a classifier", "", {{"zh_CN", "C", "Use 8-63 characters.", "请使用 8-63 个字符。"}});
    const QString minute = "Within one minute, press the WPS button on your router.";
    plant("a count word changed", "numbers", {{"ru", "C", minute, "В течение двух минут нажмите кнопку WPS."}});
    plant("a count word carried", "", {{"ru", "C", minute, "В течение одной минуты нажмите кнопку WPS."}});
    plant("a count of one said by its unit", "", {{"fi", "C", minute, "Paina WPS-painiketta minuutin kuluessa."}});
    plant("a count word for the source's digits", "",
          {{"de", "C", wps,
            "Drücken Sie sechs Sekunden lang die "
            "WPS-Taste. Die WPS-LED blinkt blau."}});
    plant("an article that counts nothing", "", {{"de", "C", "Click the link.", "Klicken Sie auf einen Link."}});
    plant("a Chinese count word before its unit", "",
          {{"zh_CN", "C", minute, "请在一分钟内按下路由器上的 WPS 按钮。"}});
    plant("a Chinese count word changed", "numbers", {{"zh_CN", "C", minute, "请在两分钟内按下路由器上的 WPS 按钮。"}});
    plant("a number word inside a Japanese word", "", {{"ja", "C", "Try again.", "もう一度お試しください。"}});
    plant("a count word left out", "numbers", {{"de", "C", "Wait two minutes.", "Warten Sie einige Minuten."}});
    plant("a number word meaning another word", "",
          {{"ro", "C", "A new version is out.", "O versiune nouă a apărut."}});
    plant("a unit of another kind", "units",
          {{"ja", "C", "Click the link within 7 days.", "7 文字以内にリンクをクリックしてください。"}});
    plant("a unit changed where the source's is named again", "units",
          {{"fr", "C", "Hold it 6 seconds; the LED blinks a few seconds.",
            "Maintenez-le 6 minutes ; le voyant clignote quelques secondes."}});
    plant("a hyphen before a space", "hyphen",
          {{"nl", "C", "The LED on the Cloud<br>Camera turns green.", "De led van de Cloud- camera wordt groen."}});
    plant("a hyphen before a space, German", "hyphen",
          {{"de", "C", "Make sure the Cloud<br>button is off.", "Die Cloud- Taste blinkt nicht mehr."}});
    plant("a hyphen before \"and\"", "",
          {{"de", "C", "The Cloud and Direct buttons.", "Die Cloud- und Direct-Taste."}});
    plant("a hyphen at a line's end", "", {{"da", "C", "The Cloud<br>Camera.", "Cloud-<br>kameraet."}});
    const QString retry = "Click \"%1\" to try again.";
    plant("a quote a line may leave alone", "quotation", {{"fr", "C", retry, "Cliquez sur « %1 » pour réessayer."}});
    plant("quotes kept with their words", "", {{"fr", "C", retry, "Cliquez sur «\u00A0%1\u00A0» pour réessayer."}});
    plant("quotes that open with a closing mark", "", {{"sl", "C", retry, "Kliknite »%1« za ponovni poskus."}});
    plant("a closing quote a line may begin with", "quotation",
          {{"fr", "C", retry, "Cliquez sur «\u00A0%1 » pour réessayer."}});
    plant("quotes kept by no-break spaces of markup", "",
          {{"fr", "C", "Click <b>\"%1\"</b> to try again.", "Cliquez sur <b>«&nbsp;%1&nbsp;»</b> pour réessayer."}});
    plant("straight quotes", "", {{"it", "C", retry, "Fare clic su \"%1\" per riprovare."}});
    plant("a word of a unit that counts nothing", "",
          {{"de", "C", "Type the password a second time.", "Geben Sie das Passwort noch einmal ein."}});
    plant("a colour in the language's own inflection", "",
          {{"ru", "C", "Why does the LED stay red?", "Почему индикатор горит красным?"}});
}

// Every text finished, with the placeholders and markup of its source; in a language that parts its
// words with spaces a line break beside no space splits a word ("fournis<br>seur"). A '<' that opens no tag Qt
// knows stands in no rich text, source or translation, nor in a translation whose source has none (the code may
// show it as rich text). A text that names a control holds that control's caption in the language. What translation
// tools check (faultsOf): planted texts make the fault of their kind, or none.
void TestTranslations::translated()
{
    QFETCH(QString, code);
    QFETCH(QList<QStringList>, planted);
    QFETCH(QString, fault);
    if (!planted.isEmpty()) {
        QVector<Message> messages;
        Tables own;
        for (const QStringList& text : planted) {
            if (text.at(0) == code)
                messages.append({text.at(1), text.at(2), text.at(3), {}});
            own[text.at(0)].insert(text.at(1) + QChar(0) + text.at(2), plainText(text.at(3)));
        }
        const QStringList found = faultsOf(code, messages, own);
        bool ofKind = !found.isEmpty();
        for (const QString& one : found)
            ofKind = ofKind && one.startsWith(fault);
        QVERIFY2(fault.isEmpty() ? found.isEmpty() : ofKind, qPrintable(found.join(" | ")));
        return;
    }
    const QVector<Message> messages = readTs(tsPath(code));
    QVERIFY(!messages.isEmpty());
    QHash<QString, QString> translation;
    for (const Message& m : messages)
        translation.insert(m.context + QChar(0) + m.source, plainText(m.translation));
    QStringList faults = faultsOf(code, messages, tables);
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
             qPrintable(QString::number(faults.size()) + " faults, first: " + faults.mid(0, 40).join(" | ")));
}

// A language's texts against their sources: finished, their tags and placeholders kept, no word split by a line break
// (above), and what translation tools check: the accelerators ("&") of the source, its markup nesting alike and no
// entity in a text Qt shows plain, no character that is not the language's, quotation marks and brackets paired
// (the language's own marks), the end mark and the sentences of the source (none cut short or left out), its numbers,
// colours and units; no text nor clause another language's translation word for word (close languages aside); no two
// controls' captions read alike.
QStringList TestTranslations::faultsOf(const QString& code, const QVector<Message>& messages,
                                       const Tables& others) const
{
    static const QRegularExpression splitWord(
        QStringLiteral("(\\p{L}|%\\d)(<[^>]*>)*<br\\s*/?>(<[^>]*>)*(\\p{L}|%\\d)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression entity(QStringLiteral("&(?:#\\d+|#x[0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"));
    const LanguageRules* rules = rulesOf(code);
    if (!rules)
        return {"no rules for the language " + code};
    const QString quotes = QString::fromUtf8(rules->quotes);
    QStringList faults;
    QMap<QString, QStringList> readAs;  // a caption in the language: the captions it translates
    for (const Message& m : messages) {
        const QString where = m.context + ": " + m.source.left(60);
        const QStringList strange = strangeTags(m.translation), strangeSource = strangeTags(m.source);
        if (!m.type.isEmpty() || m.translation.trimmed().isEmpty()) {
            faults << "untranslated " + where;
            continue;
        }
        if (richText(m.source) && !strangeSource.isEmpty())
            faults << "no tag Qt knows (" + strangeSource.join(' ') + ") in the rich source " + where;
        else if (!strange.isEmpty() && (richText(m.translation) || richText(m.source) || strangeSource.isEmpty()))
            faults << "no tag Qt knows (" + strange.join(' ') + "), escape it as &lt; &gt;, in " + where;
        else if (fixedParts(m.translation) != fixedParts(m.source))
            faults << "placeholders or markup differ in " + where;
        else if (!cjk(code) && splitWord.match(m.translation).hasMatch())
            faults << "a line break splits a word (" + splitWord.match(m.translation).captured() + ") in " + where;

        const QString text = readable(m.translation), original = readable(m.source);
        if (accelerators(m.translation) != accelerators(m.source))
            faults << QString("accelerators: %1 where the source has %2, in %3: %4")
                          .arg(accelerators(m.translation))
                          .arg(accelerators(m.source))
                          .arg(where, text);
        if (unnested(m.translation) != unnested(m.source))
            faults << "markup nests otherwise than in its source (" + unnested(m.translation).join(' ') + ") in " +
                          where;
        else if (!richText(m.translation) && entity.match(m.translation).hasMatch())
            faults << "markup drawn as letters (" + entity.match(m.translation).captured() +
                          "), Qt shows the text plain, in " + where;
        QStringList letters = strangeCharacters(text, code, QString::fromUtf8(rules->letters));
        letters.erase(std::remove_if(letters.begin(), letters.end(),
                                     [&](const QString& found) { return original.contains(found); }),
                      letters.end());
        if (!letters.isEmpty())
            faults << "characters not of the language (" + letters.join(' ') + ") in " + where + ": " + text;
        if (!unpaired(text, quotes).isEmpty())
            faults << "unpaired: " + unpaired(text, quotes).join(", ") + " in " + where + ": " + text;
        const QString laid = laidOut(m.translation);
        if (!hyphenParting(laid).isEmpty())
            faults << "hyphen before a space, a compound parted (" + hyphenParting(laid) + ") in " + where + ": " +
                          text;
        if (unpaired(text, quotes).isEmpty() && !quoteParted(laid, quotes).isEmpty())
            faults << "quotation mark apart from its words at a line's end (" + quoteParted(laid, quotes) + ") in " +
                          where + ": " + text;
        const QChar end = endOf(original, "en");
        if (!end.isNull() && endOf(text, code) != end)
            faults << QString("end without the source's '%1', cut short? in %2: %3").arg(end, where, text);
        // A piece of a text the code joins (its source ends inside a sentence) may end there a sentence its source
        // ends in the next piece, the language ordering the words otherwise.
        const int sentences = sentenceBreaks(text, code) + (end.isNull() && !endOf(text, code).isNull());
        if (sentences < sentenceBreaks(original, "en"))
            faults << QString("sentences: %1 where the source has %2, one left out? in %3: %4")
                          .arg(sentences + 1)
                          .arg(sentenceBreaks(original, "en") + 1)
                          .arg(where, text);
        // The counts: digits, and the number words that count (before a unit, or of two and more); a count the
        // source spells out may be digits, one may be said by its unit alone ("minuutin": within a minute).
        QStringList said = numbersOf(original), extra = numbersOf(text), saidOne;
        for (const Count& count : countsOf(original, "en"))
            if (count.word)
                (count.number == "1" ? saidOne : said) << count.number;
        for (const Count& count : countsOf(text, code))
            if (count.word && count.number != "1")  // one may be the article ("ein Fenster", "ένα παράθυρο")
                extra << count.number;
        for (const QString& number : said + saidOne)
            if (extra.removeOne(number))
                said.removeOne(number);
        for (const QString& number : spelledOut(original))
            extra.removeOne(number);
        if (!said.isEmpty() || !extra.isEmpty())
            faults << QString("numbers: %1 of the source's missing, %2 beyond them, in %3: %4")
                          .arg(said.join(' '), extra.join(' '), where, text);
        const QStringList unlike = unitsUnlike(original, text, code);
        if (!unlike.isEmpty())
            faults << "units: " + unlike.join(", ") + " where the source counts otherwise, in " + where + ": " + text;
        const QStringList unnamed = unnamedColours(original, text, code);
        if (!unnamed.isEmpty())
            faults << "colours: the source's \"" + unnamed.join("\", \"") + "\" not named, in " + where + ": " + text;
        const QString plain = plainText(m.translation);
        const QSet<QString> clauses = clausesOf(plain);
        for (auto other = others.cbegin(); other != others.cend(); ++other) {
            const QString theirs = other.value().value(m.context + QChar(0) + m.source);
            if (theirs.isEmpty() || closeLanguages(code, other.key()))
                continue;
            const QSet<QString> shared = clauses & clausesOf(theirs);
            if (saysEnough(plain) && theirs == plain)
                faults << "copy of the " + other.key() + " translation, word for word, in " + where + ": " + plain;
            else if (!shared.isEmpty())
                faults << "copy of a clause of the " + other.key() + " translation (" + *shared.cbegin() + ") in " +
                              where + ": " + plain;
        }
        const QString caption = plainText(m.source);
        if (captions.contains(caption) && !readAs.value(plain).contains(caption))
            readAs[plain] << caption;
    }
    for (auto it = readAs.cbegin(); it != readAs.cend(); ++it)
        if (it.value().size() > 1)
            faults << "captions of two actions read alike, \"" + it.key() + "\": " + it.value().join(", ");
    return faults;
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
