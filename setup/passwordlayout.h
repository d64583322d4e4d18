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

// Places the rows under the camera name: the camera name's error, while it shows, as tall as
// its text needs, and every row below it lowered by what that adds to its form height.
void place(Ui_DeviceSetupPage* form, bool newPassword);

// The daylight-saving captions, the Auto and Manual choice and the forgot-password link as wide and
// tall as their words need in the language, from their places in the form: a caption beside its field
// ends its letters 8 px before the field, growing to the left as far as they need; any other grows to the right.
void fitCaptions(Ui_DeviceSetupPage* form);

// The time-zone list as wide as its chosen zone needs beside its arrow, never narrower than the
// form. Its open list is as wide as its widest zone by itself.
void fitTimeZoneList(Ui_DeviceSetupPage* form);

}  // namespace PasswordLayout

#endif  // PASSWORDLAYOUT_H
