#ifndef ENGINEMEDIA_H
#define ENGINEMEDIA_H

class QString;

// The web engine plays media through GStreamer, whose sources connect by themselves (rtsp:// and
// more, to any host, past the network manager and Qt). The cloud views need no media: this
// process's GStreamer loads no plugin, so the engine has no media player. GStreamer keeps its list
// of the plugins it saw in registryFolder (none: the user's own list, which it then rewrites).
// Called before anything can start GStreamer and before a second thread runs: it sets the
// environment, of this process alone (the programs it starts get the person's).
void keepEngineMediaOff(const QString& registryFolder);

#endif  // ENGINEMEDIA_H
