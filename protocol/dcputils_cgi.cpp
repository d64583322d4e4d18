#include "dcputils.h"

#include <QNetworkReply>

QString DCPUtils::getTimeZoneOffset() { return QString(); }
QStringList DCPUtils::getTimeZoneList() { return QStringList(); }
QStringList DCPUtils::getGMTOffset() { return QStringList(); }
void DCPUtils::CGISyncTime(int, int) {}
void DCPUtils::CGISyncTime_KORVA(int) {}
void DCPUtils::CGISyncTime_T4X(int) {}
void DCPUtils::TdbSetWirelessKeytoLatin1() {}
void DCPUtils::TdbSetWirelessKey(QString) {}
void DCPUtils::addFireWallRule() {}
void DCPUtils::deleteFireWallRule() {}
void DCPUtils::deviceCGICallBack(QNetworkReply*) {}
void DCPUtils::sslErrors(QNetworkReply* reply, QList<QSslError>) { reply->ignoreSslErrors(); }
void DCPUtils::checkRequestAuthRequired(QNetworkReply*, QAuthenticator*) {}
