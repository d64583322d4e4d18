#include "setup/devicesetuppage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QImage>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "base/globals.h"
#include "base/log.h"
#include "base/picturewire.h"
#include "base/replylimits.h"
#include "guide/resethint.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage_p.h"
#include "setup/passwordstep.h"
#include "setup/setupcgi.h"

using namespace DeviceSetupShared;

// ---------------------------------------------------------------------------
// Daylight saving

namespace {

QList<QWidget*> manualDstWidgets(Ui_DeviceSetupPage* ui)
{
    return {ui->dsetupTimeSettings_GroupBox,    ui->dsetupDSTStartLabel_Label, ui->dsetupStartMonth_QDateEdit,
            ui->dsetupStartWeek_ComboBox,       ui->dsetupStartDate_ComboBox,  ui->dsetupStartHour_QTimeEdit,
            ui->dsetupDSTEndLabel_Label,        ui->dsetupEndMonth_QDateEdit,  ui->dsetupEndWeek_ComboBox,
            ui->dsetupEndDate_ComboBox,         ui->dsetupEndHour_QTimeEdit,   ui->dsetupDSTHourOffset_ComboBox,
            ui->dsetupDSTHourOffsetLabel_Label, ui->dsetupDSTMonthLabel_Label, ui->dsetupDSTWeekLabel_Label,
            ui->dsetupDSTDateLabel_Label,       ui->dsetupDSTTimeLabel_Label};
}

void setVisibleAll(const QList<QWidget*>& widgets, bool visible)
{
    for (QWidget* widget : widgets)
        widget->setVisible(visible);
}

// The chosen camera's dialect by the catalogue.
bool catalogueKorva()
{
    const IPCamera* camera = chosenCamera();
    return camera && SetupCgi::isKorvaRequest(0, camera->modelName);
}

}  // namespace

void DeviceSetupPage::resetDateLightSaving()
{
    ui->dsetupTimeZoneComboBox_comboBox->clear();
    ui->dsetupStartMonth_QDateEdit->setDate(QDate(2000, 1, 1));
    ui->dsetupEndMonth_QDateEdit->setDate(QDate(2000, 1, 1));
    for (QTimeEdit* hour : {ui->dsetupStartHour_QTimeEdit, ui->dsetupEndHour_QTimeEdit}) {
        hour->setTime(QTime(0, 0));
        hour->setCurrentSectionIndex(0);
    }
    for (QComboBox* list : {ui->dsetupDSTHourOffset_ComboBox, ui->dsetupStartWeek_ComboBox, ui->dsetupEndWeek_ComboBox,
                            ui->dsetupStartDate_ComboBox, ui->dsetupEndDate_ComboBox})
        list->setCurrentIndex(0);
}

void DeviceSetupPage::acceptTimeSavingSettingsCheckBox()
{
    const bool enabled = ui->dsetupDSTCheckBox_CheckBox->isChecked();
    if (!catalogueKorva()) {
        setVisibleAll(manualDstWidgets(ui), enabled);
        return;
    }
    ui->dsetupDSTSwitch_GroupBox->setVisible(enabled);
    setVisibleAll(manualDstWidgets(ui), enabled && !ui->dsetupDSTAuto_RadioButton->isChecked());
}

void DeviceSetupPage::acceptDSTAuto()
{
    setVisibleAll(manualDstWidgets(ui), !ui->dsetupDSTAuto_RadioButton->isChecked());
}

void DeviceSetupPage::acceptDSTManaul()
{
    setVisibleAll(manualDstWidgets(ui), ui->dsetupDSTManual_RadioButton->isChecked());
}

QString DeviceSetupPage::getOffsetConvert(QString offset)
{
    return SetupCgi::offsetConvert(offset, catalogueKorva());
}

QString DeviceSetupPage::getMonthConvert(QString month)
{
    return SetupCgi::monthConvert(month, catalogueKorva());
}

QString DeviceSetupPage::getWeekConvert(QString week)
{
    return SetupCgi::weekConvert(week, catalogueKorva());
}

QString DeviceSetupPage::getDateConvert(QString date)
{
    return SetupCgi::dateConvert(date);
}

QString DeviceSetupPage::getTimeConvert(QString time)
{
    return SetupCgi::timeConvert(time, catalogueKorva());
}

QString DeviceSetupPage::getTimeSavingSettings()
{
    return SetupCgi::manualDstQuery(catalogueKorva(), dstSettings());
}

// The values come from item indexes and dates, so a translated list never changes them; what
// the form shows goes to the log only.
SetupCgi::DstSettings DeviceSetupPage::dstSettings() const
{
    SetupCgi::DstSettings settings;
    settings.offsetIndex = ui->dsetupDSTHourOffset_ComboBox->currentIndex();
    settings.startMonth = ui->dsetupStartMonth_QDateEdit->date();
    settings.endMonth = ui->dsetupEndMonth_QDateEdit->date();
    settings.startWeekIndex = ui->dsetupStartWeek_ComboBox->currentIndex();
    settings.endWeekIndex = ui->dsetupEndWeek_ComboBox->currentIndex();
    settings.startDayIndex = ui->dsetupStartDate_ComboBox->currentIndex();
    settings.endDayIndex = ui->dsetupEndDate_ComboBox->currentIndex();
    settings.startHour = ui->dsetupStartHour_QTimeEdit->time();
    settings.endHour = ui->dsetupEndHour_QTimeEdit->time();
    settings.shown = QStringList{ui->dsetupDSTHourOffset_ComboBox->currentText(),
                                 ui->dsetupStartMonth_QDateEdit->text(),
                                 ui->dsetupEndMonth_QDateEdit->text(),
                                 ui->dsetupStartWeek_ComboBox->currentText(),
                                 ui->dsetupEndWeek_ComboBox->currentText(),
                                 ui->dsetupStartDate_ComboBox->currentText(),
                                 ui->dsetupEndDate_ComboBox->currentText(),
                                 ui->dsetupStartHour_QTimeEdit->text(),
                                 ui->dsetupEndHour_QTimeEdit->text()};
    return settings;
}

// ---------------------------------------------------------------------------
// Camera CGI: name, daylight saving, snapshot

namespace {

QString cameraUrl(const IPCamera& camera, const QString& pathAndQuery)
{
    const QString url = CameraCgi::baseUrlWithPort(camera) + pathAndQuery;
    WLOG << "url = " << url;
    return url;
}

// The credentials are logged after what the caller logged of the request.
QNetworkRequest cameraRequest(const IPCamera& camera, const QString& url)
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    const QByteArray basic = CameraCgi::basicCredentials(camera);
    WLOG << "Auth Basic " << maskSecret(QString::fromLatin1(basic));
    request.setRawHeader("Authorization", "Basic " + basic);
    return request;
}

// The chosen camera when its address and port allow a CGI request, else null (logged).
const IPCamera* cgiCamera()
{
    const IPCamera* camera = chosenCamera();
    if (camera && CameraCgi::baseUrlWithPort(*camera).isEmpty()) {
        WLOG << "The camera's address" << camera->IPAddr << "or HTTPS port" << camera->networkconf.Https_port
             << "is no valid address; no CGI request is sent";
        return nullptr;
    }
    return camera;
}

}  // namespace

void DeviceSetupPage::sendSetDeviceNameCGI(int cgi_choose_type)
{
    const IPCamera* camera = cgiCamera();
    if (!camera)
        return;
    const SetupCgi::PostRequest post = SetupCgi::nameRequest(
        SetupCgi::isKorvaRequest(cgi_choose_type, camera->modelName), ui->dsetupCameraName_LineEdit->text());
    const QString url = cameraUrl(*camera, post.pathAndQuery);
    WLOG << "content = " << post.body;
    QNetworkRequest request = cameraRequest(*camera, url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    request.setHeader(QNetworkRequest::ContentLengthHeader, post.body.size());
    gDCPUtils->networkManager->post(request, post.body);
}

void DeviceSetupPage::sendSetDSTCGI(int cgi_choose_type, int enable)
{
    const IPCamera* camera = cgiCamera();
    if (!camera)
        return;
    const bool korva = SetupCgi::isKorvaRequest(cgi_choose_type, camera->modelName);
    const QString content =
        SetupCgi::dstContent(korva, enable == 1, ui->dsetupDSTAuto_RadioButton->isChecked(), dstSettings());
    WLOG << "time saving content = " << content;
    const QString url = cameraUrl(*camera, SetupCgi::dstPath(korva) + content);
    WLOG << "content = " << content;
    const QNetworkRequest request = cameraRequest(*camera, url);
    gDCPUtils->networkManager->get(request);
}

void DeviceSetupPage::getDeviceImageCGI(int cgi_choose_type)
{
    const IPCamera* camera = cgiCamera();
    if (!camera)
        return;
    const QString dialect = CameraCgi::clockDialect(cgi_choose_type, camera->modelName);
    if (cgi_choose_type >= 0 && cgi_choose_type <= 2)
        dSetupCurrentCGIType = dialect.toInt();
    QNetworkRequest request = cameraRequest(*camera, cameraUrl(*camera, SetupCgi::snapshotPath(dialect)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    getdSetupDeviceImageNAM->get(request);
}

void DeviceSetupPage::checkGetDeviceImageStatus()
{
    const int n = waitGetdSetupDeviceImageNumber;
    if (n % 5 != 0) {
        getDeviceImageCGI(dSetupCurrentCGIType);
    } else if (getDeviceImageOK) {
        WLOG << "checkGetDeviceImageStatus : success";
        WLOG << "==========>> dSetupCurrentCGIType :" << dSetupCurrentCGIType;
    } else {
        WLOG << "checkGetDeviceImageStatus : failed";
        dSetupCurrentCGIType = dSetupCurrentCGIType == 1 ? 2 : 1;
        WLOG << "dSetupCurrentCGIType changed to" << dSetupCurrentCGIType;
    }
    WLOG << " waitGetdSetupDeviceImageNumber :" << n;
    ++waitGetdSetupDeviceImageNumber;
}

void DeviceSetupPage::getImagefinishedSlot(QNetworkReply* reply)
{
    WLOG << "getImagefinishedSlot finished";
    const QString status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
    WLOG << "HTTP Status Code :" << status;
    if (reply->error() != QNetworkReply::NoError) {
        WLOG << "Http Error" << ReplyLimits::stopNote(reply);
        getDeviceImageOK = false;
    } else {
        const QByteArray bytes = reply->readAll();
        WLOG << "HTTP return bytes.size :" << bytes.size();
        if (status != "200") {
            WLOG << "HTTP Status Code Error";
            getDeviceImageOK = false;
        } else if (!previewDecoder->busy()) {
            previewDecoder->decode(
                bytes, ReplyLimits::kSnapshotPicture, this, [this](const Platform::PictureDecoder::Result& result) {
                    getDeviceImageOK = result.decoded();
                    if (!getDeviceImageOK) {
                        WLOG << "The snapshot is no picture :" << PictureWire::refusal(result.status);
                        return;
                    }
                    WLOG << "Success";
                    QLabel* label = ui->dsetupCGIIamge_Label;
                    label->setPixmap(QPixmap::fromImage(
                        result.frames.first().scaled(label->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
                    label->show();
                });
        }
    }
    reply->deleteLater();
}

void DeviceSetupPage::sslErrors(QNetworkReply* reply, QList<QSslError> errors)
{
    // Only the camera's own manager is connected here: cameras present self-signed certificates.
    Q_UNUSED(errors);
    reply->ignoreSslErrors();
}

void DeviceSetupPage::slotAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    // A second challenge means the credentials were refused: the reply then ends with its error.
    if (reply->property("cameraCredentialsGiven").toBool())
        return;
    const IPCamera* camera = chosenCamera();
    if (!camera)
        return;
    reply->setProperty("cameraCredentialsGiven", true);
    authenticator->setUser("admin");
    authenticator->setPassword(QString::fromLatin1(CameraCgi::password(*camera).constData()));
}
