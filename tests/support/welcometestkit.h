// The welcome page's network state, for its in-process tests.
#ifndef WELCOMETESTKIT_H
#define WELCOMETESTKIT_H

#include "httptestkit.h"
#include "shell/globals.h"
#include "welcome/welcomepage.h"

inline QList<QNetworkAccessManager*> welcomeManagers()
{
    WelcomePage* w = gWelcomePage;
    return {w->tolmwizardNetworkManager, w->tolmwizardDownloadManager, w->tolmwizardDownloadDeviceIconManager,
            w->tolmwizardUpdateManager, w->tolmwizardUpdateUriManager};
}

inline bool welcomeRepliesPending()
{
    for (QNetworkAccessManager* manager : welcomeManagers())
        if (!manager->findChildren<QNetworkReply*>().isEmpty())
            return true;
    return false;
}

// Ends the requests a check left in flight.
inline void abortWelcomeReplies()
{
    for (QNetworkAccessManager* manager : welcomeManagers())
        for (QNetworkReply* reply : manager->findChildren<QNetworkReply*>())
            reply->abort();
}

#endif // WELCOMETESTKIT_H
