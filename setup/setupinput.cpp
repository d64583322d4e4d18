#include "setup/setupinput.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "protocol/ipcamera.h"

namespace SetupInput {

namespace {

const PasswordRule kAlphanumeric = {
    "[A-Za-z0-9]{6,30}",
    QT_TRANSLATE_NOOP("DeviceSetupPage",
                      "Please check that your password is 6-30 alphanumeric characters with no spaces.")};
const PasswordRule kPrintable = {
    "[!-~]{6,30}",
    QT_TRANSLATE_NOOP("DeviceSetupPage", "Please check that your password is 6-30 characters with no spaces.")};

bool matchesWhole(const QString& text, const char* pattern)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
    return expression.match(text).hasMatch();
}

}  // namespace

bool isValidCameraName(const QString& name)
{
    return matchesWhole(name, "[A-Za-z0-9-]{0,32}");
}

const PasswordRule& passwordRule(const IPCamera& camera)
{
    return camera.bPassword == "1" && camera.password.isEmpty() ? kAlphanumeric : kPrintable;
}

bool isValidPassword(const QString& password, const PasswordRule& rule)
{
    return matchesWhole(password, rule.pattern);
}

QString errorText(const QString& message)
{
    return "<p style=line-height:11px><font face=Verdana color=#FF0000>" + message + "</font></p>";
}

}  // namespace SetupInput
