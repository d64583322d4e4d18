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
// The new password's hint beside its field: two lines, taller where a language's letters need it, ending with the
// field, clear of the password's error under the field.
const QRect kPasswordHint(448, 123, 581, 30);

// A caption of the daylight-saving fields: beside its row's first field, or over its column.
struct Caption
{
    QLabel* Ui_DeviceSetupPage::*label;
    int roomRight;  // a column's caption: up to a gap before the next column's; 0 for one beside its field
};

const Caption kCaptions[] = {
    {&Ui_DeviceSetupPage::dsetupDSTHourOffsetLabel_Label, 0}, {&Ui_DeviceSetupPage::dsetupDSTStartLabel_Label, 0},
    {&Ui_DeviceSetupPage::dsetupDSTEndLabel_Label, 0},        {&Ui_DeviceSetupPage::dsetupDSTMonthLabel_Label, 380},
    {&Ui_DeviceSetupPage::dsetupDSTWeekLabel_Label, 500},     {&Ui_DeviceSetupPage::dsetupDSTDateLabel_Label, 623},
    {&Ui_DeviceSetupPage::dsetupDSTTimeLabel_Label, 790}};
constexpr int kPageRight = 790;   // the page's texts keep this clear of its right edge
constexpr int kFieldsLeft = 270;  // the daylight-saving rows' first fields, right of the captions beside them
constexpr int kCaptionGap = 8;    // a caption's letters end this far before the field beside it

// A widget's place in the form, as the form gave it before anything here moved it.
QRect formPlace(QWidget* widget)
{
    static const char kProperty[] = "formPlace";
    const QVariant kept = widget->property(kProperty);
    if (kept.isValid())
        return kept.toRect();
    widget->setProperty(kProperty, widget->geometry());
    return widget->geometry();
}

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
    const int formHeight = formPlace(nameError).height();
    const int needed = nameError->isHidden() ? 0 : WizardPage::textHeight(nameError);
    nameError->resize(nameError->width(), std::max(formHeight, needed));
    const int drop = nameError->height() - formHeight;
    // Each row at its top in the form, or in the layout, lowered by the drop.
    QLabel* hint = form->dsetupPasswordErrorHint_Label;
    const int hintTop = formPlace(form->dsetupCameraPasscode_LineEdit).bottom() + 1 - hint->height();
    QList<QPair<QWidget*, int>> rows = {{hint, hintTop},
                                        {form->dsetupTimeZone_Label, layout.timeZoneLabel.y()},
                                        {form->dsetupTimeZoneComboBox_comboBox, layout.timeZoneList.y()},
                                        {form->dsetupDSTCheckBox_CheckBox, layout.dstCheck.y()},
                                        {form->dsetupDSTSwitch_GroupBox, layout.dstSwitch.y()}};
    for (QWidget* row : QList<QWidget*>{form->dsetupCameraPasscode_Label, form->dsetupCameraPasscode_LineEdit,
                                        form->dsetupForgotPassword_Label, form->dsetupPasswordError_Label,
                                        form->dsetupRetypePasscode_Label, form->dsetupRetypePasscode_LineEdit,
                                        form->dsetupPasswordRetypeError_Label})
        rows.append({row, formPlace(row).y()});
    for (const auto& row : rows)
        row.first->move(row.first->x(), row.second + drop);
    // The manual rows end where they do in the form, clear of the page's buttons.
    form->dsetupTimeSettings_GroupBox->setGeometry(layout.timeSettings.adjusted(0, drop, 0, 0));
}

void fitCaptions(Ui_DeviceSetupPage* form)
{
    for (const Caption& caption : kCaptions) {
        QLabel* label = form->*caption.label;
        const QRect place = formPlace(label);
        label->setWordWrap(false);
        label->setGeometry(place);
        const int width = std::max(place.width(), WizardPage::textWidth(label));
        if (!caption.roomRight) {
            // Its letters end kCaptionGap before the field in every language, from as far left as they need; the
            // box reaches on over the last letter's empty side (a full-width colon's), which draws nothing.
            const int lettersEnd = label->contentsRect().left() + label->margin() +
                                   label->fontMetrics().tightBoundingRect(label->text()).right() + 1;
            label->resize(std::max(WizardPage::textWidth(label), lettersEnd), place.height());
            const int height = std::max(place.height(), WizardPage::textHeight(label));
            label->setGeometry(kFieldsLeft - kCaptionGap - lettersEnd, place.y() - (height - place.height()) / 2,
                               label->width(), height);
            continue;
        }
        // Over its column up to the next one; wider, it wraps and grows up from the column's field.
        const int room = caption.roomRight - place.x();
        label->setWordWrap(width > room);
        label->resize(std::min(width, room), place.height());
        const int height = std::max(place.height(), WizardPage::textHeight(label));
        label->setGeometry(place.x(), place.bottom() + 1 - height, label->width(), height);
    }
    // The link beside the current password: on one line where the page has the room, so that it keeps
    // clear of the password's error under it.
    QLabel* link = form->dsetupForgotPassword_Label;
    const QSize linkSize = formPlace(link).size();
    link->resize(std::clamp(WizardPage::textWidth(link), linkSize.width(), kPageRight - link->x()), linkSize.height());
    WizardPage::growToText(link);
    // The Auto and Manual choice side by side in its box.
    QRadioButton* automatic = form->dsetupDSTAuto_RadioButton;
    const QRect autoPlace = formPlace(automatic);
    automatic->setGeometry(autoPlace.x(), autoPlace.y(), std::max(autoPlace.width(), automatic->sizeHint().width()),
                           autoPlace.height());
    QRadioButton* manual = form->dsetupDSTManual_RadioButton;
    const QRect manualPlace = formPlace(manual);
    manual->setGeometry(std::max(manualPlace.x(), automatic->geometry().right() + manualPlace.x() - autoPlace.right()),
                        manualPlace.y(), std::max(manualPlace.width(), manual->sizeHint().width()),
                        manualPlace.height());
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
