#include "setup/passwordlayout.h"

#include <algorithm>

#include <QCoreApplication>
#include <QStyleOptionComboBox>

#include "protocol/ipcamera.h"
#include "shell/wizardpage.h"
#include "ui_devicesetuppage.h"

namespace PasswordLayout {

namespace {

struct Layout
{
    const char* caption;
    QRect timeSettings;
    QRect dstSwitch;
    QRect timeZoneLabel;
    QRect timeZoneList;
    QRect dstCheck;
};

const Layout kNewPassword = {QT_TRANSLATE_NOOP("DeviceSetupPage", "Camera Password :"),
                             QRect(0, 295, 800, 150),
                             QRect(442, 255, 261, 41),
                             QRect(50, 225, 140, 20),
                             QRect(210, 224, 233, 27),
                             QRect(210, 260, 233, 27)};
const Layout kCurrentPassword = {QT_TRANSLATE_NOOP("DeviceSetupPage", "Current Password :"),
                                 QRect(0, 255, 800, 150),
                                 QRect(442, 215, 261, 41),
                                 QRect(50, 175, 140, 20),
                                 QRect(210, 173, 233, 27),
                                 QRect(210, 222, 233, 27)};
// The new password's hint beside its field: two lines, taller where a language's letters need it.
const QRect kPasswordHint(448, 123, 581, 30);
// The camera name's error label in the form, between the name and the password rows.
constexpr int kNameErrorHeight = 22;

// A caption of the daylight-saving fields: beside its row's first field, or over its column.
struct Caption
{
    QLabel* Ui_DeviceSetupPage::*label;
    QRect place;    // in the form
    int roomRight;  // a column's caption: up to a gap before the next column's; 0 for one beside its field
};

const Caption kCaptions[] = {{&Ui_DeviceSetupPage::dsetupDSTHourOffsetLabel_Label, QRect(210, 17, 61, 16), 0},
                             {&Ui_DeviceSetupPage::dsetupDSTStartLabel_Label, QRect(210, 75, 61, 16), 0},
                             {&Ui_DeviceSetupPage::dsetupDSTEndLabel_Label, QRect(210, 115, 61, 16), 0},
                             {&Ui_DeviceSetupPage::dsetupDSTMonthLabel_Label, QRect(272, 46, 61, 16), 380},
                             {&Ui_DeviceSetupPage::dsetupDSTWeekLabel_Label, QRect(392, 46, 61, 16), 500},
                             {&Ui_DeviceSetupPage::dsetupDSTDateLabel_Label, QRect(512, 46, 91, 16), 623},
                             {&Ui_DeviceSetupPage::dsetupDSTTimeLabel_Label, QRect(635, 46, 61, 16), 790}};
// The link beside the current password: on one line where the page has the room, so that it keeps
// clear of the password's error under it.
const QSize kForgotPassword(121, 37);
// The Auto and Manual choice side by side in its box.
const QRect kAutomatic(10, 13, 61, 16);
const QRect kManual(82, 13, 83, 16);
constexpr int kPageRight = 790;  // the page's texts keep this clear of its right edge

}  // namespace

bool needsNewPassword(const IPCamera& camera)
{
    if (camera.bRegisted == "1" || !camera.password.isEmpty())
        return false;
    return !isNewDcp(camera.DCPVersion) || camera.bPassword == "1";
}

void apply(Ui_DeviceSetupPage* form, bool newPassword)
{
    const Layout& layout = newPassword ? kNewPassword : kCurrentPassword;
    form->dsetupCameraPasscode_Label->setText(QCoreApplication::translate("DeviceSetupPage", layout.caption));
    form->dsetupCameraPasscode_Label->show();
    form->dsetupRetypePasscode_Label->setVisible(newPassword);
    form->dsetupCameraPasscode_LineEdit->show();
    form->dsetupRetypePasscode_LineEdit->setVisible(newPassword);
    form->dsetupTimeSettings_GroupBox->show();
    form->dsetupForgotPassword_Label->setVisible(!newPassword);
    form->dsetupPasswordErrorHint_Label->setVisible(newPassword);
    form->dsetupPasswordErrorHint_Label->setGeometry(kPasswordHint);
    WizardPage::growToText(form->dsetupPasswordErrorHint_Label);
    form->dsetupTimeZone_Label->resize(layout.timeZoneLabel.size());
    form->dsetupDSTCheckBox_CheckBox->resize(layout.dstCheck.size());
    form->dsetupDSTSwitch_GroupBox->resize(layout.dstSwitch.size());
    place(form, newPassword);
}

void place(Ui_DeviceSetupPage* form, bool newPassword)
{
    const Layout& layout = newPassword ? kNewPassword : kCurrentPassword;
    QLabel* nameError = form->dsetupError_Label;
    const int needed = nameError->isHidden() ? 0 : WizardPage::textHeight(nameError);
    nameError->resize(nameError->width(), std::max(kNameErrorHeight, needed));
    const int drop = nameError->height() - kNameErrorHeight;
    // Each row at its top in the form, lowered by the drop.
    const QList<QPair<QWidget*, int>> rows = {{form->dsetupCameraPasscode_Label, 117},
                                              {form->dsetupCameraPasscode_LineEdit, 124},
                                              {form->dsetupForgotPassword_Label, 119},
                                              {form->dsetupPasswordErrorHint_Label, kPasswordHint.y()},
                                              {form->dsetupPasswordError_Label, 150},
                                              {form->dsetupRetypePasscode_Label, 167},
                                              {form->dsetupRetypePasscode_LineEdit, 174},
                                              {form->dsetupPasswordRetypeError_Label, 200},
                                              {form->dsetupTimeZone_Label, layout.timeZoneLabel.y()},
                                              {form->dsetupTimeZoneComboBox_comboBox, layout.timeZoneList.y()},
                                              {form->dsetupDSTCheckBox_CheckBox, layout.dstCheck.y()},
                                              {form->dsetupDSTSwitch_GroupBox, layout.dstSwitch.y()}};
    for (const auto& row : rows)
        row.first->move(row.first->x(), row.second + drop);
    // The manual rows end where they do in the form, clear of the page's buttons.
    form->dsetupTimeSettings_GroupBox->setGeometry(layout.timeSettings.adjusted(0, drop, 0, 0));
}

void fitCaptions(Ui_DeviceSetupPage* form)
{
    for (const Caption& caption : kCaptions) {
        QLabel* label = form->*caption.label;
        label->setWordWrap(false);
        label->setGeometry(caption.place);
        const int width = std::max(caption.place.width(), WizardPage::textWidth(label));
        if (!caption.roomRight) {
            label->resize(width, caption.place.height());
            const int height = std::max(caption.place.height(), WizardPage::textHeight(label));
            label->setGeometry(caption.place.right() + 1 - width,
                               caption.place.y() - (height - caption.place.height()) / 2, width, height);
            continue;
        }
        // Over its column up to the next one; wider, it wraps and grows up from the column's field.
        const int room = caption.roomRight - caption.place.x();
        label->setWordWrap(width > room);
        label->resize(std::min(width, room), caption.place.height());
        const int height = std::max(caption.place.height(), WizardPage::textHeight(label));
        label->setGeometry(caption.place.x(), caption.place.bottom() + 1 - height, label->width(), height);
    }
    QLabel* link = form->dsetupForgotPassword_Label;
    link->resize(std::clamp(WizardPage::textWidth(link), kForgotPassword.width(), kPageRight - link->x()),
                 kForgotPassword.height());
    WizardPage::growToText(link);
    QRadioButton* automatic = form->dsetupDSTAuto_RadioButton;
    automatic->setGeometry(kAutomatic.x(), kAutomatic.y(), std::max(kAutomatic.width(), automatic->sizeHint().width()),
                           kAutomatic.height());
    QRadioButton* manual = form->dsetupDSTManual_RadioButton;
    manual->setGeometry(std::max(kManual.x(), automatic->geometry().right() + kManual.x() - kAutomatic.right()),
                        kManual.y(), std::max(kManual.width(), manual->sizeHint().width()), kManual.height());
}

void fitTimeZoneList(Ui_DeviceSetupPage* form)
{
    QComboBox* zones = form->dsetupTimeZoneComboBox_comboBox;
    QStyleOptionComboBox option;
    option.initFrom(zones);
    option.frame = zones->hasFrame();
    option.currentText = zones->currentText();
    option.subControls = QStyle::SC_All;
    const QSize chosen(zones->fontMetrics().horizontalAdvance(option.currentText), zones->height());
    const int needed = zones->style()->sizeFromContents(QStyle::CT_ComboBox, &option, chosen, zones).width();
    zones->resize(std::max(kNewPassword.timeZoneList.width(), needed), zones->height());
}

}  // namespace PasswordLayout
