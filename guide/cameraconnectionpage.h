#ifndef CAMERACONNECTIONPAGE_H
#define CAMERACONNECTIONPAGE_H

#include <QStringList>

#include "shell/wizardpage.h"
#include "ui_cameraconnectionpage.h"

// Step 1, "Hardware Connection": the model (or, in local-only mode, the connection type),
// its hardware version and the instruction panel; Next chooses the wired road (discovery)
// or the access-point road.
class CameraConnectionPage : public WizardPage
{
    Q_OBJECT
public:
    explicit CameraConnectionPage(QWidget* parent = nullptr);
    ~CameraConnectionPage() override;

    // Coming from the licence: hosts the first panel, fills the model list (or the
    // connection types in local-only mode) with its prompt current, and shows step 1.
    void enter() override;
    void retranslate() override;

    // The instruction line for the current mode.
    void setInstructionText();

    // The choices as the panels read them.
    QString model() const;
    int modelIndex() const;
    QString hardwareVersion() const;
    // Back to the prompt of the model list; the page rebuilds its panel.
    void resetModelChoice();

    void setNextEnabled(bool enabled);
    void setSkipVisible(bool visible);
    // Ties the step panels' signals to this page; the main window calls it once it made them.
    void connectPanels();

    Ui_CameraConnectionPage* ui;

public slots:
    void pressBackButton();
    void pressSkipButton();
    void pressNextButton();
    void gotIndexChanged();
    void gotHWVersionIndexChanged();
    void removeStepIcon();
    // A panel's "Start Over": device setup and the model choice start again.
    void startOver();
    // The several-types panel's list changed: its steps, Skip and Next.
    void showConnectionType(const QString& type, int index);

private:
    void handOver(WizardPage* next);
    void emptyHost();
    void hostPanel(QWidget* panel);
    void hostDefault(bool versionPicture);
    void fillModelChoice();
    void fillLocalConnectionChoice();
    // A catalogue model's panel; the model list's prompt (any other route code) gets the
    // default panel. Any other text changes nothing.
    void showModel(const QString& model, bool fromModelList);
    void showPrompt();
    // Builds and hosts the panel of route "1", "2" or "5"; from the model list the
    // version list is refilled and a model with several versions gets the default panel.
    void showRoute(const QString& route, const QString& model, bool fromModelList);
    // Refills the version list; true when the user has a version to choose.
    bool fillVersionList();
    QStringList lookUpEntries() const;
    void showLocalSet(const QString& text);
};

#endif  // CAMERACONNECTIONPAGE_H
