// The welcome page's network state, for its in-process tests.
#ifndef WELCOMETESTKIT_H
#define WELCOMETESTKIT_H

#include <QLockFile>
#include <QTest>

#include "base/globals.h"
#include "httptestkit.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"

// How long a test waits for the welcome page's answers: the longest of their deadlines (a sprite's)
// and a margin.
const int kWelcomeAnswersMs = beyondDeadline(ReplyLimits::kSprite.deadlineMs);

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

// Suites that bind the DCP port take turns across test runs too (ctest's lock holds only
// within one run): the lock is held until this process ends.
inline bool takeDcpPortTurn()
{
    static QLockFile lock("/tmp/tolmwizard-tests-udp5978.lock");
    lock.setStaleLockTime(0);  // stale only when its holder is gone
    return lock.isLocked() || lock.tryLock(60000);
}

// Back to a welcome page at rest: no check running, no reply in flight, no popup, the DCP
// port released and free (another program may hold it a while). False when that takes too long.
inline bool resetWelcomePage()
{
    if (!takeDcpPortTurn())
        return false;
    isLocalView = false;
    gIsQATest = false;
    gWelcomePage->resetCheckingParameter();
    abortWelcomeReplies();
    gWelcomePage->unbindingDCP();
    qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
    frameWidget("lockScreenLabel")->hide();
    gMainpage->hideBusy();
    return QTest::qWaitFor([] { return !welcomeRepliesPending(); }, kWelcomeAnswersMs) &&
           QTest::qWaitFor([] { return !dcpPortBusy(); }, 30000);
}

#endif  // WELCOMETESTKIT_H
