#ifndef CLOUDREPLIES_H
#define CLOUDREPLIES_H

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include "cloud/answerrules.h"
#include "platform/picturedecoder.h"

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
// picture is decoded by decoder and handed on as the picture the wizard writes of it, with its own
// Content-Type and Content-Length. A redirect passes without its body, and only to where the view's manager
// sends and judges the next request (redirectFollowed). A refused one finishes with ContentAccessDenied
// and no byte, its request ended, as soon as its bytes so far show it (judged each time they have
// doubled).
class HeldReply : public QNetworkReply
{
public:
    HeldReply(QNetworkReply* inner, Asked what, qint64 maxBytes, Platform::PictureDecoder* decoder, QObject* parent);
    void abort() override;
    qint64 bytesAvailable() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    void copyMetaData();
    void take();
    void judge(bool complete);
    void decoded(const Platform::PictureDecoder::Result& result);
    void innerFinished();
    void end();
    void refuse(const QString& why);

    QNetworkReply* inner;
    Asked what;
    qint64 maxBytes;
    Platform::PictureDecoder* decoder;
    qint64 received = 0;
    bool metaData = false;  // the inner reply's status and headers came
    bool aborted = false;   // by the engine
    bool redirect = false;
    QByteArray held;
    int judgedAt = 1;  // bytes held when next judged before the end
    qint64 offset = 0;
    Answer verdict = Answer::NeedMore;
};

}  // namespace CloudSite

#endif  // CLOUDREPLIES_H
