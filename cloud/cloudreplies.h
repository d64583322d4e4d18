#ifndef CLOUDREPLIES_H
#define CLOUDREPLIES_H

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

#include "base/replylimits.h"
#include "cloud/answerrules.h"
#include "cloud/viewpictures.h"

namespace CloudSite {

// A reply made here, never sent: finished at once (once the caller has connected) with an
// HTTP status and a body, or with an error.
class LocalReply : public QNetworkReply
{
public:
    LocalReply(QNetworkAccessManager::Operation op, const QNetworkRequest& request, QObject* parent);
    void refuse();
    void answer(int status, const QByteArray& reason, const QByteArray& body);
    void abort() override {}
    qint64 bytesAvailable() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    QByteArray content;
    qint64 offset = 0;
};

// An answer from another host as the engine gets it: nothing of it until all of it has come and
// shows what the views allow (answerVerdict), then all of it at once; a style sheet as it comes. A
// picture reads on past its first bytes only within the share of the view's budget pictures grants it
// (what waits stays in the inner reply, whose reading stops at ReplyLimits::kHeldReadBufferBytes); once
// whole it is decoded and handed on as the picture the wizard writes of it, with its own Content-Type and
// Content-Length. A redirect passes without its body, ending as its status comes, and only to where the view's
// manager sends and judges the next request (redirectFollowed); the engine's request for its location as it follows
// it, then and only then, counts to this one's party. A refused one finishes with ContentAccessDenied and no byte, its
// request ended, as soon as its bytes so far show it (judged each time they have doubled). Whatever it
// waits for, it ends by limits' deadline. A picture whose party, or whose view, is past what its pictures may
// cost is refused unread.
class HeldReply : public QNetworkReply
{
public:
    HeldReply(QNetworkReply* inner, Asked what, const ReplyLimits::Limits& limits, ViewPictures* pictures,
              QObject* parent);
    ~HeldReply() override;
    void abort() override;
    qint64 bytesAvailable() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    enum class Share
    {
        None,
        Waiting,
        Granted,
    };
    void copyMetaData();
    // Hands on the redirect to location, at once and without its body.
    void pass(const QUrl& location);
    void take();
    void askShare();
    void told(ViewPictures::Grant grant);
    void judge(bool complete);
    void written(const QByteArray& picture, PictureWire::Status status);
    void innerFinished();
    void overdue();
    void end();
    void refuse(const QString& why);

    QNetworkReply* inner;
    Asked what;
    qint64 maxBytes;
    QPointer<ViewPictures> pictures;
    QString source;  // the party its picture counts to
    qint64 received = 0;
    bool metaData = false;  // the inner reply's status and headers came
    bool aborted = false;   // by the engine
    bool redirect = false;
    Share share = Share::None;
    QByteArray held;
    int judgedAt = 1;  // bytes held when next judged before the end
    qint64 offset = 0;
    Answer verdict = Answer::NeedMore;
};

}  // namespace CloudSite

#endif  // CLOUDREPLIES_H
