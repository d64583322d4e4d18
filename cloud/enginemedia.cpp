#include "cloud/enginemedia.h"

#include <QFile>
#include <QString>

namespace {

// The source package of no plugin: GStreamer loads none, of its own or of any other package.
const char kNoPluginSource[] = "none";

}  // namespace

void keepEngineMediaOff(const QString& registryFolder)
{
    qputenv("GST_PLUGIN_LOADING_WHITELIST", kNoPluginSource);
    if (!registryFolder.isEmpty())
        qputenv("GST_REGISTRY_1_0", QFile::encodeName(registryFolder + "/registry.bin"));
}
