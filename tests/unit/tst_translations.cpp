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

// The colours an English text names and the units it counts in (a unit after a number, in digits or spelled out), and
// the stems of the words each language names them with, in any case: a translation names each of its source's.
const char* const kMeasures[] = {"green", "red", "blue", "seconds?", "minutes?", "days?"};
constexpr int kCountedFrom = 3;  // the units
constexpr int kMeasureCount = int(sizeof kMeasures / sizeof *kMeasures);

struct MeasureWords
{
    const char* code;
    const char* words[kMeasureCount];
};

const MeasureWords kMeasureWords[] = {
    {"cs", {"zelen", "červen", "modr|modř", "sekund", "minut", "dn[yůíu]|den"}},
    {"da", {"grøn", "rød", "blå", "sekund", "minut", "dag"}},
    {"de", {"grün", "rot", "blau", "sekunde", "minute", "tag"}},
    {"el", {"πράσιν", "κόκκιν", "μπλε", "δευτερόλεπτ", "λεπτ", "ημ[έε]ρ|μέρ"}},
    {"es", {"verde", "roj[oa]", "azul", "segundo", "minuto", "día"}},
    {"fi", {"vihre", "puna", "sini", "sekunti|sekunnin", "minuut", "päivä"}},
    {"fr", {"vert", "rouge", "bleu", "seconde", "minute", "jour"}},
    {"hr", {"zelen", "crven", "plav", "sekund", "minut", "dan"}},
    {"hu", {"zöld", "piros", "kék", "másodperc", "perc", "nap"}},
    {"it", {"verde", "ross[oa]", "blu", "second[io]", "minut[oi]", "giorn"}},
    {"ja", {"緑", "赤", "青", "秒", "分", "日"}},
    {"ko", {"녹색|초록", "빨간|빨강|적색", "파란|파랑|청색", "초", "분", "일"}},
    {"nl", {"groen", "rood", "blauw", "seconde", "minuut|minuten", "dag"}},
    {"no", {"grønn|grønt", "rød", "blå", "sekund", "minutt", "dag"}},
    {"pl", {"zielon", "czerwon", "niebiesk", "sekund", "minut", "dni|dzień"}},
    {"pt", {"verde", "vermelh", "azul", "segundo", "minuto", "dia"}},
    {"pt_BR", {"verde", "vermelh", "azul", "segundo", "minuto", "dia"}},
    {"ro", {"verde", "roș|roş", "albastr", "secund", "minut", "zi"}},
    {"ru", {"зел[её]н", "красн", "син", "секунд", "минут", "дн|день|дней"}},
    {"sl", {"zelen", "rdeč", "modr", "sekund", "minut", "dn|dan"}},
    {"sv", {"grön", "röd|rött", "blå", "sekund", "minut", "dag"}},
    {"zh_CN", {"绿", "红", "蓝", "秒", "分", "天|日"}},
    {"zh_TW", {"綠", "紅", "藍", "秒", "分", "天|日"}},
};

// The colours and units of an English text that a translation into the language does not name, as the source says
// them; all of them in a language without its words.
QStringList unnamedMeasures(const QString& english, const QString& translation, const QString& code)
{
    static QHash<QString, QVector<QRegularExpression>> stems;
    if (stems.isEmpty())
        for (const MeasureWords& language : kMeasureWords)
            for (const char* words : language.words)
                stems[language.code] << QRegularExpression(QString::fromUtf8(words),
                                                           QRegularExpression::CaseInsensitiveOption);
    const QVector<QRegularExpression> own = stems.value(code, QVector<QRegularExpression>(kMeasureCount));
    QStringList unnamed;
    for (int at = 0; at < kMeasureCount; ++at) {
        const QString counted = at >= kCountedFrom ? QStringLiteral("(?:\\d|\\b(?:%1))\\s+").arg(kSpelled) : QString();
        const QRegularExpression measure(counted + "\\b" + kMeasures[at] + "\\b",
                                         QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch said = measure.match(english);
        if (said.hasMatch() && !own.at(at).match(translation).hasMatch())
            unnamed << said.captured();
    }
    return unnamed;
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
    plant("a unit changed", "colours",
          {{"es", "C", wps, "Pulse el botón WPS durante 6 minutos. El LED WPS parpadea en azul."}});
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
             qPrintable(QString::number(faults.size()) + " faults, first: " + faults.mid(0, 5).join(" | ")));
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
        QStringList said = numbersOf(original), extra = numbersOf(text);
        for (const QString& number : numbersOf(original))
            if (extra.removeOne(number))
                said.removeOne(number);
        for (const QString& number : spelledOut(original))
            extra.removeOne(number);
        if (!said.isEmpty() || !extra.isEmpty())
            faults << QString("numbers: %1 of the source's missing, %2 beyond them, in %3: %4")
                          .arg(said.join(' '), extra.join(' '), where, text);
        const QStringList unnamed = unnamedMeasures(original, text, code);
        if (!unnamed.isEmpty())
            faults << "colours and units: the source's \"" + unnamed.join("\", \"") + "\" not named, in " + where +
                          ": " + text;
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
