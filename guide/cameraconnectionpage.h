#ifndef CAMERACONNECTIONPAGE_H
#define CAMERACONNECTIONPAGE_H

#include <QStringList>
#include <QWidget>

#include "ui_cameraconnectionpage.h"

// Step 1, "Hardware Connection": the model (or, in local-only mode, the connection type),
// its hardware version and the instruction panel; Next chooses the wired road (discovery)
// or the access-point road.
class CameraConnectionPage : public QWidget
{
    Q_OBJECT
public:
    explicit CameraConnectionPage(QWidget* parent = nullptr);
    ~CameraConnectionPage() override;

    // The instruction line for the current mode; called on every entry of the page.
    void setInstructionText();

    Ui_CameraConnectionPage* ui;

public slots:
    void pressBackButton();
    void pressSkipButton();
    void pressNextButton();
    void gotIndexChanged();
    void gotHWVersionIndexChanged();
    void removeStepIcon();

private:
    void handOver(QWidget* next);
    void emptyHost();
    void hostPanel(QWidget* panel);
    void hostDefault(bool versionPicture);
    void setNextEnabled(bool enabled);
    // Builds and hosts the panel of route "1", "2" or "5"; from the model list the
    // version list is refilled and a model with several versions gets the default panel.
    void showRoute(const QString& route, const QString& model, bool fromModelList);
    void fillVersionList(const QList<QWidget*>& hiddenWithChoice, bool showSkipWithChoice);
    QStringList lookUpEntries() const;
    void addStepPictures(const QString& route, const QStringList& entries);
    void addConnectionTypeChoice(const QStringList& entries);
    void showLocalSet(const QString& text);
};

#endif // CAMERACONNECTIONPAGE_H
