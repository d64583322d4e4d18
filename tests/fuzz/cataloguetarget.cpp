#include "cataloguetarget.h"

#include <QLoggingCategory>
#include <QStringList>

#include <algorithm>

#include "base/replylimits.h"
#include "welcome/catalogue.h"

namespace {

// What the log may show of one catalogue: the lines of the cameras shown one by one, the text's, the count's
// and the seven maps' lines, each value at most as escapes of 10 characters beside its label.
constexpr int kLineChars = 256 + 10 * ReplyLimits::kAnswerLogBytes;
constexpr int kLinesPerCamera = 5;
constexpr int kOtherLines = 9;

QStringList* gLines = nullptr;

void recordLine(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (gLines)
        gLines->append(message);
}

bool isEmpty(const Catalogue& c)
{
    return c.connectionTypes.isEmpty() && c.connectionTypeNumbers.isEmpty() && c.supportWiFi.isEmpty() &&
           c.supportAPMode.isEmpty() && c.cgiProtocols.isEmpty() && c.hardwareVersions.isEmpty() &&
           c.routes.isEmpty() && c.assembleImages.isEmpty() && c.deviceIcons.isEmpty() && c.latestVersion.isEmpty() &&
           c.updateUri.isEmpty();
}

QString cleaningFault(const QByteArray& body, const QString& text)
{
    for (const QChar removed : {QChar(' '), QChar('\t'), QChar('\r'), QChar('\n'), QChar(0)})
        if (text.contains(removed))
            return QStringLiteral("character %1 left in the cleaned text").arg(removed.unicode());
    if (text.size() > body.size())
        return QStringLiteral("%1 characters of %2 bytes").arg(text.size()).arg(body.size());
    if (cleanCatalogueBody(text.toUtf8()) != text)
        return QStringLiteral("the cleaned text changed by a second cleaning");
    return QString();
}

QString catalogueFaultOf(const CatalogueParse& parse)
{
    const Catalogue& c = parse.catalogue;
    if (parse.status != CatalogueParse::Parsed)
        return (parse.status == CatalogueParse::Invalid) != !parse.error.isEmpty() || !isEmpty(c)
                   ? QStringLiteral("a document that is no catalogue filled something in")
                   : QString();
    if (c.assembleImages.size() != 9 || c.deviceIcons.size() != 6)
        return QStringLiteral("picture groups: %1 and %2").arg(c.assembleImages.size()).arg(c.deviceIcons.size());
    const QStringList models = c.routes.keys();
    for (const QList<QString>& keys : {c.connectionTypeNumbers.keys(), c.supportWiFi.keys(), c.supportAPMode.keys(),
                                       c.cgiProtocols.keys(), c.hardwareVersions.keys()})
        if (keys != models)
            return QStringLiteral("the per-model maps hold different models");
    for (const QString& model : models)
        if (c.routes.value(model) != routeCode(c.supportAPMode.value(model), c.connectionTypeNumbers.value(model)))
            return QStringLiteral("model %1 has route %2").arg(model.left(64), c.routes.value(model));
    if (c.connectionTypes.size() > 0 && models.isEmpty())
        return QStringLiteral("connection types without a model");
    static const QStringList labels{"Ethernet:", "POE:", "PLC:", "APMode:", "WPS:"};
    for (const QStringList& entries : c.connectionTypes)
        for (const QString& entry : entries)
            if (std::none_of(labels.begin(), labels.end(), [&](const QString& l) { return entry.startsWith(l); }))
                return QStringLiteral("connection type without its label: %1").arg(entry.left(64));
    return QString();
}

}  // namespace

QString catalogueFault(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), int(size));
    const QString text = cleanCatalogueBody(body);
    QString fault = cleaningFault(body, text);
    if (!fault.isEmpty())
        return fault;

    QStringList lines;
    gLines = &lines;
    const QtMessageHandler previous = qInstallMessageHandler(recordLine);
    // The program's lines, whatever a caller's filter rules say of debug lines.
    QLoggingCategory* program = QLoggingCategory::defaultCategory();
    const bool debugOn = program->isDebugEnabled();
    program->setEnabled(QtDebugMsg, true);
    const CatalogueParse parse = parseCatalogue(text);
    program->setEnabled(QtDebugMsg, debugOn);
    qInstallMessageHandler(previous);
    gLines = nullptr;
    fault = catalogueFaultOf(parse);
    if (!fault.isEmpty())
        return fault;
    if (lines.size() > kLinesPerCamera * kLoggedCameras + kOtherLines)
        return QStringLiteral("%1 lines logged").arg(lines.size());
    for (const QString& line : lines)
        if (line.size() > kLineChars)
            return QStringLiteral("a line of %1 characters logged: %2").arg(line.size()).arg(line.left(200));
    return QString();
}
