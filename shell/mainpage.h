#ifndef MAINPAGE_H
#define MAINPAGE_H

#include <QList>
#include <QWidget>

class PopupShade;
class QLabel;
class QTimer;
class Ui_Mainpage;
class WizardPage;

// The main window: hosts one page at a time in mainlLayout, the step banner and caption,
// the busy overlay, the dimming label behind popups, and the exit popup. It makes the
// pages and keeps their list. Its public methods are the page frame the pages use.
class Mainpage : public QWidget
{
    Q_OBJECT
public:
    explicit Mainpage(QWidget* parent = nullptr);
    ~Mainpage() override;

    // Ends the wizard once its event loop is done, while the application object still stands: the Launcher,
    // every page (the cloud page's web views and each page's network managers, their threads joined, with
    // them), the main window and the protocol object with its sockets. Nothing of it is left to the
    // process's own end, where the application and the libraries' static objects are gone.
    static void endWizard();

    void translateAllUI();
    void translateFlush();
    // Every page the window made, in its order, retranslated.
    void retranslatePages();

    // The page frame, offered to the pages; no page writes into this window's form.
    // Hides the leaving page, puts the next one in mainlLayout and shows it as it was left.
    void showPage(QWidget* leaving, WizardPage* next);
    // The same, and the next page enters: it prepares itself.
    void enterPage(QWidget* leaving, WizardPage* next);
    // The step banner (step 1 to 4) with its caption, shown; or both hidden.
    void setStep(int step, const QString& caption);
    void hideStep();
    // The footer's "Zero config" link.
    void setFooterLinkVisible(bool visible);
    // The busy overlay with its animation.
    void showBusy();
    void hideBusy();
    bool isBusy() const;
    // The animation's picture at a tick counted from 0: its twelve pictures in turn, the first at 0.
    static QString loadingPicture(int tick);
    // The animation alone, without the overlay: the discovery page's scan.
    void showScanPicture();
    void hideScanPicture();
    // The dimming label covers the window behind popup from now on, until popup is hidden or
    // deleted; with several open, it lies under the topmost (see PopupShade).
    void dimBehind(QWidget* popup);
    // The window dimmed with no popup open: a dialog of its own over it.
    void showDimming();
    void hideDimming();

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
    template <class Page> Page* makePage();

    Ui_Mainpage* ui;
    PopupShade* shade;
    QLabel* loadingMaskLabel;
    QLabel* loadingImageLabel;
    QTimer* loadingTimer;
    QList<WizardPage*> m_pages;
    int loadingTick = 0;
};

#endif  // MAINPAGE_H
