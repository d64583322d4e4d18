#ifndef PASSWORDLAYOUT_H
#define PASSWORDLAYOUT_H

class IPCamera;
class Ui_DeviceSetupPage;

// The password section of the setup page: a new password with its retype row, or the
// camera's current password with the forgot-password link.
namespace PasswordLayout {

// True when the camera has no password yet and the user must choose one.
bool needsNewPassword(const IPCamera& camera);

// Labels and places the setup page's password, time-zone and daylight-saving rows.
void apply(Ui_DeviceSetupPage* form, bool newPassword);

}  // namespace PasswordLayout

#endif  // PASSWORDLAYOUT_H
