#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QtGlobal>

class QWidget;

#include "base/replylimits.h"
#include "platform/process.h"

// How long a test waits for what the program promises within a deadline of its own: that deadline
// and a margin for a slow, busy machine, so that no wait gives up while the program still may not.
constexpr int beyondDeadline(int deadlineMs)
{
    return deadlineMs + 5000;
}

// Creates the protocol object, the main window and its pages, as start-up does,
// without showing anything. Safe to call more than once. Discovery scan passes find no
// interface afterwards (HostInterfaces::setSourceForTests gives a test its own).
void createWizardForTests();
// A widget of the main window's form by its object name (the frame keeps its form private).
QWidget* frameWidget(const char* objectName);

// A PNG of one bit per pixel: a few KB as a file, whatever its size in pixels.
QByteArray blankPng(int width, int height);

// While it lives, the URLs that Platform::openUrl hands to the desktop's opener are recorded
// here instead of reaching a browser or a viewer.
class UrlRecorder
{
public:
    UrlRecorder();
    ~UrlRecorder();

    QList<QUrl> urls;
};

// While it lives, commands given to Platform::runProcess are recorded in calls and answered
// with reply instead of being run.
class ProcessRecorder
{
public:
    ProcessRecorder();
    ~ProcessRecorder();

    QList<Platform::ProcessCall> calls;
    Platform::ProcessResult reply;
};

// While it lives, every log message is recorded in lines instead of being printed.
class LogRecorder
{
public:
    LogRecorder();
    ~LogRecorder();

    QStringList lines;
    // The recorded lines that contain text.
    QStringList matching(const QString& text) const;
    // How many recorded lines contain every one of texts.
    int count(const QStringList& texts) const;
    bool contains(const QString& text) const { return !matching(text).isEmpty(); }
    // Every recorded line, for a failure message.
    QString all() const { return lines.join('\n'); }
    // The first secret of a query in the lines (an access token, a code, the suffix of this program's OAuth
    // state) that shows any of its characters, or "".
    QString unmasked() const;

private:
    QtMessageHandler previous = nullptr;
};

// The camera's HTTPS CGI simulator (tests/tools/camcgi) on 127.0.0.1 and a free port, for
// the length of one test. A camera record reaches it with IPAddr = address(), DCPVersion
// "2.0" or later and networkconf.Https_port = httpsPort().
class CamCgiServer
{
public:
    explicit CamCgiServer(const QString& password);
    ~CamCgiServer();

    // False (with the reason in error) when the simulator did not come up.
    bool start();
    QString address() const;
    QByteArray httpsPort() const;
    // The requests it has recorded so far, oldest first.
    QList<QJsonObject> records() const;
    // Waits until at least count requests are recorded.
    bool waitForRecords(int count, int timeoutMs = beyondDeadline(ReplyLimits::kCgi.deadlineMs)) const;

    QString error;

private:
    QString password;
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;
};

#endif  // TESTSUPPORT_H
