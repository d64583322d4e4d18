#ifndef CAMSIM_WIRELESS_H
#define CAMSIM_WIRELESS_H

class CamServer;

// SIGUSR1 presses the WPS button of every camera with a Wi-Fi side, SIGUSR2 pulls their
// cables, SIGHUP plugs a silent camera's cable back in; all are acted on from the event loop.
void watchButtons(CamServer* server);

#endif  // CAMSIM_WIRELESS_H
