#ifndef MAINPAGE_H
#define MAINPAGE_H

#include <QWidget>

#include "ui_mainpage.h"

class QLabel;
class QTimer;

// The main window: hosts one page at a time in mainlLayout, the step banner and caption,
// the busy overlay, the dimming label behind popups, and the exit popup.
class Mainpage : public QWidget
{
    Q_OBJECT
public:
    explicit Mainpage(QWidget* parent = nullptr);
    ~Mainpage() override;

    Ui_Mainpage* ui;
    QLabel* lockScreenLabel;
    QLabel* loadingMaskLabel;
    QLabel* loadingImageLabel;
    QTimer* loadingTimer;

    void translateAllUI();
    void translateFlush();

    // The page frame, offered to the pages; no page writes into this window's form.
    // Hides the leaving page, puts the next one in mainlLayout and shows it.
    void showPage(QWidget* leaving, QWidget* next);
    // The step banner (step 1 to 4) with its caption, shown; or both hidden.
    void setStep(int step, const QString& caption);
    void hideStep();
    // The footer's "Zero config" link.
    void setFooterLinkVisible(bool visible);
    // The busy overlay with its animation.
    void showBusy();
    void hideBusy();
    bool isBusy() const;

public slots:
    void showLoadingImage();
    void openOlvaris();
    void popupExit();
    void pressMsgExitNoButton();
    void pressMsgExitYesButton();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPages();
    int loadingFrame = 0;
};

#endif // MAINPAGE_H
