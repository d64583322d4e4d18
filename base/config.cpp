#include "base/config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QVector>
#include <QXmlStreamReader>

#include "base/endpoints.h"
#include "base/globals.h"

namespace {

// A config.xml is a few hundred bytes a few levels deep; anything far beyond is not one.
constexpr qint64 kMaxConfigBytes = 64 * 1024;
constexpr int kMaxConfigDepth = 16;

QString absolutePath(const QString& path, const QString& baseDir)
{
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QDir(baseDir).absoluteFilePath(path));
}

// The text of the first element of each name the configuration knows, anywhere in the
// document, and every Manual with its "lang"; false for anything that is not plain,
// bounded XML (a DTD, entities of its own, too deep, malformed).
bool readNodes(const QByteArray& xml, QMap<QString, QString>& first, QList<QPair<QString, QString>>& manuals)
{
    static const QStringList kNames = {"EnableLauncher", "EnableForQATest", "EnableLog",
                                       "Language",       "ViewerInstaller", "PdfReaderInstaller"};
    struct Open
    {
        QString name;
        QString text;
        QString lang;
        bool kept;
    };
    QVector<Open> open;
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return false;
        case QXmlStreamReader::StartElement: {
            if (open.size() == kMaxConfigDepth)
                return false;
            const QString name = reader.qualifiedName().toString();
            const bool kept = name == "Manual" || (kNames.contains(name) && !first.contains(name));
            if (kept && name != "Manual")
                first.insert(name, QString());
            open.append({name, QString(), reader.attributes().value("lang").toString(), kept});
            break;
        }
        case QXmlStreamReader::Characters:
            for (Open& element : open)
                if (element.kept)
                    element.text += reader.text();
            break;
        case QXmlStreamReader::EndElement: {
            const Open element = open.takeLast();
            if (element.kept && element.name == "Manual")
                manuals.append(qMakePair(element.lang, element.text.trimmed()));
            else if (element.kept)
                first.insert(element.name, element.text.trimmed());
            break;
        }
        default:
            break;
        }
    }
    return !reader.hasError();
}

}  // namespace

ShellConfig readShellConfig(const QByteArray* xmlOrNull, const QString& baseDir)
{
    ShellConfig config;
    QMap<QString, QString> nodes;
    QList<QPair<QString, QString>> manuals;
    if (!xmlOrNull || xmlOrNull->size() > kMaxConfigBytes || !readNodes(*xmlOrNull, nodes, manuals))
        return config;  // no usable file: main window, test addresses, no log

    config.parsed = true;
    config.showLauncher = nodes.value("EnableLauncher") != "0";
    config.qaTest = nodes.value("EnableForQATest") == "1";
    config.logEnabled = nodes.value("EnableLog") == "Logenable";
    config.language = nodes.value("Language");
    config.viewerInstaller = absolutePath(nodes.value("ViewerInstaller"), baseDir);
    config.pdfReaderInstaller = absolutePath(nodes.value("PdfReaderInstaller"), baseDir);
    for (const auto& manual : manuals) {
        const QString path = absolutePath(manual.second, baseDir);
        if (!path.isEmpty())
            config.manuals.append(qMakePair(manual.first, path));
    }
    return config;
}

ShellConfig readShellConfigFile(const QString& dir)
{
    // Only a regular file is read, and no more of it than a configuration can be.
    const QString path = dir + "/config.xml";
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return readShellConfig(nullptr, dir);
    const QByteArray xml = file.read(kMaxConfigBytes + 1);
    return readShellConfig(&xml, dir);
}

void applyDownloadAddresses(bool qaTest)
{
    gIsQATest = qaTest;
    if (qaTest) {
        jsonUrl = QUrl(gQATestBaseUrl + "tolmwizard_develop.json");
        assembleImageSquareUrl = QUrl(gQATestBaseUrl + "assemble_image_square.png");
        deviceIconSquareUrl = QUrl(gQATestBaseUrl + "device_list_all.png");
        TolmWizardUpdateUrl = QUrl(gQATestBaseUrl + "vt_devices.json");
    } else {
        const QString base = Endpoints::kReleaseBaseUrl;
        jsonUrl = QUrl(base + "tolmwizard.json");
        assembleImageSquareUrl = QUrl(base + "assemble_image_square.png");
        deviceIconSquareUrl = QUrl(base + "device_list_all.png");
        TolmWizardUpdateUrl = QUrl(Endpoints::kUpdateCheckUrl);
    }
}
