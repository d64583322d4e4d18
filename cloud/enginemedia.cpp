#include "cloud/enginemedia.h"

#include <QFile>
#include <QString>

#include "platform/environment.h"

namespace {

// The source package of no plugin: GStreamer loads none, of its own or of any other package.
const char kNoPluginSource[] = "none";

}  // namespace

void keepEngineMediaOff(const QString& registryFolder)
{
    Platform::setOwnVariable("GST_PLUGIN_LOADING_WHITELIST", kNoPluginSource);
    if (!registryFolder.isEmpty())
        Platform::setOwnVariable("GST_REGISTRY_1_0", QFile::encodeName(registryFolder + "/registry.bin"));
}
