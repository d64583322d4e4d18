#ifndef LAUNCHER_H
#define LAUNCHER_H

#include <QWidget>

#include "base/config.h"
#include "ui_launcher.h"

class PopupShade;
class QLabel;

// The optional first window: the camera wizard, the viewer installer, the manuals and
// the PDF reader installer. Its constructor chooses the interface language.
class Launcher : public QWidget
{
    Q_OBJECT
public:
    explicit Launcher(const ShellConfig& config, QWidget* parent = nullptr);
    ~Launcher() override;

    Ui_Launcher* ui;
    QLabel* lockScreenLabel;

    // The dimming label covers the window behind popup while it is open (see PopupShade).
    void dimBehind(QWidget* popup);

public slots:
    void pressSetupIPCameraButton();
    void pressInstallViewerButton();
    void pressManualButton();
    void pressInstallPdfReaderButton();
    void popupExit();
    void pressMsgExitNoButton();
    void pressMsgExitYesButton();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void installStartTranslator();
    void translateTexts();
    ShellConfig config;
    PopupShade* shade;
};

#endif  // LAUNCHER_H
