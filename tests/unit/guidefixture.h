#ifndef GUIDEFIXTURE_H
#define GUIDEFIXTURE_H

// A small catalogue and the page entry of the hardware connection guide, for its unit suites.

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>

#include "globals.h"
#include "guide/cameraconnectionpage.h"
#include "guide/connectiontypeapmode.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"
#include "mainpage.h"

namespace GuideFixture {

// Models by route code: 1 (TC-1100 one version, TC-1200 two), 2 (TC-2100 NA, TC-2200 two),
// 5 (TC-5100 NA, TC-5200 two, TC-5300 WPS only).
inline void fillCatalogue()
{
    ModelRouteMap = {{"Choose your model", "0"}, {"TC-1100", "1"}, {"TC-1200", "1"}, {"TC-2100", "2"},
                     {"TC-2200", "2"},           {"TC-5100", "5"}, {"TC-5200", "5"}, {"TC-5300", "5"}};
    SupportHWVersionMap = {{"TC-1100", "A1"}, {"TC-1200", "A1,B1"}, {"TC-2100", "NA"}, {"TC-2200", "A1,B1"},
                           {"TC-5100", "NA"}, {"TC-5200", "A1,B1"}, {"TC-5300", "A1"}};
    ConnectionTypeMap = {
        {"TC-1100_A1", {"POE:ia10,ia10_ib10,ic11,id10"}},
        {"TC-1200_A1", {"Ethernet:ia10,ia10_ib10,ic10,id10"}},
        {"TC-1200_B1", {"PLC:ia41,ia41_ib20,ic41"}},
        {"TC-2100_NA", {"Ethernet:ia10,ia10_ib10,ic10", "WPS:wa10,wb10,wc10", "POE:ia10,ic11"}},
        {"TC-2200_A1", {"Ethernet:ia10,ic10"}},
        {"TC-2200_B1", {"POE:ia10,ic11", "APMode:wa10,wb10,wc10"}},
        {"TC-5100_NA", {"APMode:wa10,wb10,wc10,wd10", "WPS:wa20"}},
        {"TC-5200_B1", {"APMode:wa10,wb10"}},
        {"TC-5300_A1", {"WPS:wa10,wb10"}},
    };
}

// A clip folder like the one cut from the sprite: "<name>.png" files of 164 x 164.
inline bool writeClips(const QTemporaryDir& dir)
{
    const char* names[] = {"ia10", "ia10_ib10", "ic10", "ic11", "id10", "ia41", "ia41_ib20", "ic41",
                           "wa10", "wb10",  "wc10",      "wd10", "wa20", "a",    "b"};
    QImage image(164, 164, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    for (const char* name : names)
        if (!image.save(QDir(dir.path()).filePath(QString(name) + ".png")))
            return false;
    assembleImagesPath = dir.path() + "/";
    return true;
}

inline Ui_CameraConnectionPage* page()
{
    return gCameraConnectionPage->ui;
}

// What the licence page's Next does in model mode: Default panel hosted, models listed, prompt current.
inline void enterModelMode()
{
    isLocalView = false;
    QVBoxLayout* host = page()->cconnectionTypeLayout;
    gConnectionTypeDefault->ui->cTypeDefaultImage_Label->show();
    gConnectionTypeDefault->ui->cTypeHWDefaultImage_Label->hide();
    host->addWidget(gConnectionTypeDefault, 0, Qt::Alignment());
    gConnectionTypeDefault->show();
    for (QWidget* panel : {static_cast<QWidget*>(gConnectionTypeOnlyOne), static_cast<QWidget*>(gConnectionTypeMoreThanOne),
                           static_cast<QWidget*>(gConnectionTypeAPMode)})
        panel->hide();
    host->addWidget(gConnectionTypeLocalView, 0, Qt::Alignment());
    gConnectionTypeLocalView->hide();
    gCameraConnectionPage->setInstructionText();
    QComboBox* models = page()->cconnection_ComboBox;
    models->clear();
    for (auto it = ModelRouteMap.cbegin(); it != ModelRouteMap.cend(); ++it) {
        if (it.key().startsWith("TC-"))
            models->addItem(it.key());
        else
            models->insertItem(0, it.key());
    }
    models->setCurrentIndex(0);
    gMainpage->showPage(nullptr, gCameraConnectionPage);
}

// The same in local-only mode: the LocalView panel hosted, connection types listed.
inline void enterLocalMode()
{
    isLocalView = true;
    for (QWidget* panel : {static_cast<QWidget*>(gConnectionTypeDefault), static_cast<QWidget*>(gConnectionTypeOnlyOne),
                           static_cast<QWidget*>(gConnectionTypeMoreThanOne), static_cast<QWidget*>(gConnectionTypeAPMode)})
        panel->hide();
    page()->cconnectionTypeLayout->addWidget(gConnectionTypeLocalView, 0, Qt::Alignment());
    page()->cconnectionHWVersion_ComboBox->hide();
    gConnectionTypeLocalView->show();
    gCameraConnectionPage->setInstructionText();
    QComboBox* types = page()->cconnection_ComboBox;
    types->clear();
    types->addItems({"Choose your connection type", "Ethernet", "POE(Power Over Ethernet)",
                     "PLC(Power Line Communication)", "Direct Connection"});
    gMainpage->showPage(nullptr, gCameraConnectionPage);
}

inline void selectEntry(const QString& text)
{
    page()->cconnection_ComboBox->setCurrentIndex(page()->cconnection_ComboBox->findText(text));
}

// A pick in the hardware-version list by the user.
inline void pickVersion(const QString& version)
{
    QComboBox* versions = page()->cconnectionHWVersion_ComboBox;
    const int index = versions->findText(version);
    versions->setCurrentIndex(index);
    emit versions->activated(index);
}

// The one panel shown in the host, or nullptr when none or several are.
inline QWidget* hostedPanel()
{
    QWidget* shown = nullptr;
    int count = 0;
    QVBoxLayout* host = page()->cconnectionTypeLayout;
    for (int i = 0; i < host->count(); ++i) {
        QWidget* panel = host->itemAt(i)->widget();
        if (panel && !panel->isHidden()) {
            shown = panel;
            ++count;
        }
    }
    return count == 1 ? shown : nullptr;
}

inline QString hostedPanelName()
{
    QWidget* panel = hostedPanel();
    if (!panel)
        return "none";
    if (panel == gConnectionTypeDefault)
        return gConnectionTypeDefault->ui->cTypeHWDefaultImage_Label->isHidden() ? "Default" : "DefaultHW";
    return panel->metaObject()->className();
}

struct Cell
{
    QString name;
    int column;
    int columnSpan;
    bool picture;  // a picture was loaded
};

inline QList<Cell> cells(QGridLayout* grid)
{
    QList<Cell> result;
    for (int i = 0; i < grid->count(); ++i) {
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        QLabel* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
        result.append({label ? label->objectName() : QString(), column, columnSpan,
                       label && label->pixmap() && !label->pixmap()->isNull()});
    }
    return result;
}

// Translates one source text of one context only.
class OneTextTranslator : public QTranslator
{
public:
    OneTextTranslator(const QByteArray& context, const QByteArray& source, const QString& text)
        : context(context)
        , source(source)
        , text(text)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* ctx, const char* src, const char*, int) const override
    {
        return context == ctx && source == src ? text : QString();
    }

private:
    QByteArray context;
    QByteArray source;
    QString text;
};

inline QWidget* panelNamed(const QString& name)
{
    QWidget* panels[] = {gConnectionTypeDefault, gConnectionTypeOnlyOne, gConnectionTypeMoreThanOne,
                         gConnectionTypeAPMode, gConnectionTypeLocalView};
    for (QWidget* panel : panels)
        if (panel->objectName() == name)
            return panel;
    return nullptr;
}

// "1" for each widget not hidden, "0" for each hidden one.
inline QString visibility(const QList<QWidget*>& widgets)
{
    QString result;
    for (QWidget* widget : widgets)
        result += widget->isHidden() ? "0" : "1";
    return result;
}

} // namespace GuideFixture

#endif // GUIDEFIXTURE_H
