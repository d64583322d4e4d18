#ifndef SETUPINPUT_H
#define SETUPINPUT_H

#include <QString>

class IPCamera;

// Input rules of the setup page: the camera name and the camera password.
namespace SetupInput {

// Up to 32 letters, digits and hyphens; empty is allowed.
bool isValidCameraName(const QString& name);

struct PasswordRule
{
    const char* pattern;  // matched against the whole text
    const char* message;  // source text of the error shown under the field
};

// A camera that reported a password state of "1" and has none stored takes 6-30 letters
// and digits; any other takes 6-30 printable characters without spaces.
const PasswordRule& passwordRule(const IPCamera& camera);
bool isValidPassword(const QString& password, const PasswordRule& rule);

// The red error text under a field.
QString errorText(const QString& message);

}  // namespace SetupInput

#endif  // SETUPINPUT_H
