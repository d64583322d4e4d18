#ifndef PASSWORDSTEP_H
#define PASSWORDSTEP_H

#include <QByteArray>
#include <QString>

// The password step of the setup page: the check at Next and the request that proves or
// sets the camera's password.
namespace PasswordStep {

enum class NextCheck
{
    Pass,
    Format,    // the password breaks the rule of the form on screen
    Mismatch,  // new-password form: the retyped text differs
};

// The rule follows the form on screen: letters and digits when the retype field is shown
// (a new password), printable characters without blanks otherwise; 6-30 of them.
NextCheck checkAtNext(const QString& password, const QString& retype, bool retypeShown);

enum class Request
{
    SetNew,        // class 7 with ";P=" and the Base64 password, empty auth
    CheckNew,      // class 7 with empty params, the Base64 password as auth
    SetOld,        // class 2 with the password and no register bit
    CompareLocal,  // old camera: compare with the stored plain password, no request
};

Request request(const QByteArray& dcpVersion, bool retypeShown, const QByteArray& storedPassword);

// An old camera's stored password against the typed one: the stored bytes as UTF-8 up to
// their first zero byte.
bool matchesStored(const QString& typed, const QByteArray& storedPassword);

}  // namespace PasswordStep

#endif  // PASSWORDSTEP_H
