#include "guide/connectiontypemorethanone.h"

#include <QAbstractItemView>

#include "base/globals.h"
#include "base/log.h"
#include "guide/connectionrules.h"
#include "guide/stepgrid.h"
#include "welcome/catalogue.h"

using ConnectionRules::StepSet;

namespace {
// Visibility and, where set, the place of one caption.
struct Caption
{
    bool shown;
    QRect place;
};

// Captions 01, 02, 03, 03_2 and 04 of a connection type's set.
struct SetLook
{
    StepSet set;
    Caption captions[5];
};

const SetLook kSetLooks[] = {
    {StepSet::Ethernet,
     {{true, {}}, {true, {}}, {false, {358, 224, 170, 74}}, {true, {358, 210, 170, 74}}, {true, {533, 224, 170, 74}}}},
    {StepSet::PoE,
     {{true, {}}, {true, {}}, {true, {358, 224, 170, 74}}, {false, {358, 210, 170, 74}}, {true, {533, 224, 170, 74}}}},
    {StepSet::PLC,
     {{true, {}}, {true, {}}, {false, {358, 224, 170, 74}}, {true, {358, 210, 170, 74}}, {true, {533, 224, 170, 74}}}},
    {StepSet::Direct, {{true, {}}, {false, {}}, {false, {}}, {true, {186, 209, 170, 74}}, {true, {366, 224, 170, 74}}}},
};

// The entries a type set builds step pictures from.
struct SetSteps
{
    StepSet set;
    StepGrid::StepRow row;
};

const SetSteps kSetSteps[] = {
    {StepSet::Ethernet, {"Ethernet", 1, "Ethernet &&&&&&& tmp Length", "Ethernet &&&&&&& iconSetpDir "}},
    {StepSet::PoE, {"POE", 1, "POE &&&&&&& tmp Length", "POE &&&&&&& iconSetpDir "}},
    {StepSet::PLC, {"PLC", 1, "PLC &&&&&&& tmp Length", "PLC &&&&&&& iconSetpDir "}},
};
}  // namespace

ConnectionTypeMoreThanOne::ConnectionTypeMoreThanOne(QWidget* parent)
    : ConnectionPanel(parent)
    , ui(new Ui_ConnectionTypeMoreThanOne)
{
    WLOG << "ConnectionTypeMoreThanOne Constructor Initializing ...";
    ui->setupUi(this);
    hideCaptions();
    ui->CTypeMoreThanOne_ComboBox->view()->setMinimumHeight(80);
    watchLedLink(ui->ConnectionTypeMoreToolTips04);
    connect(ui->CTypeMoreThanOne_ComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ConnectionTypeMoreThanOne::gotCtypeIndexChanged);
}

ConnectionTypeMoreThanOne::~ConnectionTypeMoreThanOne()
{
    delete ui;
}

void ConnectionTypeMoreThanOne::retranslate()
{
    ui->retranslateUi(this);
}

QString ConnectionTypeMoreThanOne::connectionType() const
{
    return ui->CTypeMoreThanOne_ComboBox->currentText();
}

void ConnectionTypeMoreThanOne::startChoice(const QString& prompt)
{
    ui->CTypeMoreThanOne_ComboBox->clear();
    ui->CTypeMoreThanOne_ComboBox->addItem(prompt, QString());
}

void ConnectionTypeMoreThanOne::addChoice(const QString& text, const QString& overview)
{
    ui->CTypeMoreThanOne_ComboBox->addItem(text, QString());
    // Item k of the list has its picture in column k.
    StepGrid::addOverview(ui->gridLayout, ui->CTypeMoreThanOne_ComboBox->count() - 1, overview);
}

void ConnectionTypeMoreThanOne::setChoiceVisible(bool visible)
{
    ui->CTypeMoreThanOne_ComboBox->setVisible(visible);
}

void ConnectionTypeMoreThanOne::clearSteps()
{
    StepGrid::clear(ui->gridLayout);
}

void ConnectionTypeMoreThanOne::hideCaptions()
{
    for (QLabel* caption :
         {ui->ConnectionTypeMoreToolTips01, ui->ConnectionTypeMoreToolTips02, ui->ConnectionTypeMoreToolTips03,
          ui->ConnectionTypeMoreToolTips03_2, ui->ConnectionTypeMoreToolTips04})
        caption->hide();
}

void ConnectionTypeMoreThanOne::gotCtypeIndexChanged()
{
    WLOG << "************************************** select";
    const QString type = ui->CTypeMoreThanOne_ComboBox->currentText();
    WLOG << "01 Got ctype index changed :" << type;
    const int index = ui->CTypeMoreThanOne_ComboBox->currentIndex();
    WLOG << "02 Got ctype index changed :" << index;
    emit connectionTypeChosen(type, index);
}

bool ConnectionTypeMoreThanOne::showConnectionType(const QString& type, int index, const QString& model,
                                                   const QString& hardwareVersion)
{
    clearSteps();

    const StepSet set =
        ConnectionRules::chooseSet(type, {tr("Ethernet"), tr("POE"), tr("PLC"), tr("Direct Connection")});
    if (set == StepSet::Overview) {
        hideCaptions();
    } else {
        QLabel* captions[] = {ui->ConnectionTypeMoreToolTips01, ui->ConnectionTypeMoreToolTips02,
                              ui->ConnectionTypeMoreToolTips03, ui->ConnectionTypeMoreToolTips03_2,
                              ui->ConnectionTypeMoreToolTips04};
        for (const SetLook& look : kSetLooks) {
            if (look.set != set)
                continue;
            for (int c = 0; c < 5; ++c) {
                if (!look.captions[c].place.isNull())
                    captions[c]->setGeometry(look.captions[c].place);
                captions[c]->setVisible(look.captions[c].shown);
            }
        }
    }

    supportType = model;
    const QStringList entries = ConnectionRules::modelEntries(ConnectionTypeMap, supportType + "_" + hardwareVersion);

    if (set == StepSet::Overview) {
        int column = 1;
        for (const QString& entry : entries) {
            WLOG << "images ..." << loggedValue(entry);
            if (const ConnectionRules::EntryType* entryType = ConnectionRules::entryType(entry))
                StepGrid::addOverview(ui->gridLayout, column++, entryType->overview);
        }
        return true;
    }

    if (set == StepSet::Direct) {
        // List item I stands for entry I - 1.
        for (int p = 1; p <= entries.size(); ++p) {
            const QString& entry = entries.at(p - 1);
            WLOG << "images ..." << loggedValue(entry) << "idx: " << p;
            const ConnectionRules::EntryType* entryType = ConnectionRules::entryType(entry);
            if (p != index ||
                !(ConnectionRules::isType(entryType, "APMode") || ConnectionRules::isType(entryType, "WPS")))
                continue;
            const int span = ConnectionRules::pictureNames(entry, entryType->headerLength).size() == 3 ? 2 : 1;
            StepGrid::addSteps(ui->gridLayout, entry.mid(entryType->headerLength), span, "AP Mode &&&&&&& tmp Length",
                               "AP Mode &&&&&&& iconSetpDir ");
        }
        return false;
    }

    for (const SetSteps& steps : kSetSteps)
        if (steps.set == set)
            for (const QString& entry : entries)
                StepGrid::addEntrySteps(ui->gridLayout, entry, &steps.row, 1);
    return false;
}
