#include "shell/config.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>

#include "shell/endpoints.h"
#include "shell/globals.h"

namespace {

QString nodeText(const QDomDocument& doc, const QString& name)
{
    return doc.elementsByTagName(name).item(0).toElement().text().trimmed();
}

QString absolutePath(const QString& path, const QString& baseDir)
{
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QDir(baseDir).absoluteFilePath(path));
}

} // namespace

ShellConfig readShellConfig(const QByteArray* xmlOrNull, const QString& baseDir)
{
    ShellConfig config;
    QDomDocument doc;
    if (!xmlOrNull || !doc.setContent(*xmlOrNull))
        return config;  // no file, or not XML: main window, test addresses, no log

    config.parsed = true;
    config.showLauncher = nodeText(doc, "EnableLauncher") != "0";
    config.qaTest = nodeText(doc, "EnableForQATest") == "1";
    config.logEnabled = nodeText(doc, "EnableLog") == "Logenable";
    config.language = nodeText(doc, "Language");
    config.viewerInstaller = absolutePath(nodeText(doc, "ViewerInstaller"), baseDir);
    config.pdfReaderInstaller = absolutePath(nodeText(doc, "PdfReaderInstaller"), baseDir);
    const QDomNodeList manuals = doc.elementsByTagName("Manual");
    for (int i = 0; i < manuals.size(); ++i) {
        const QDomElement manual = manuals.item(i).toElement();
        const QString path = absolutePath(manual.text().trimmed(), baseDir);
        if (!path.isEmpty())
            config.manuals.append(qMakePair(manual.attribute("lang"), path));
    }
    return config;
}

ShellConfig readShellConfigFile()
{
    const QString dir = QCoreApplication::applicationDirPath();
    QFile file(dir + "/config.xml");
    if (!file.open(QIODevice::ReadOnly))
        return readShellConfig(nullptr, dir);
    const QByteArray xml = file.readAll();
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
