#ifndef AGREEMENTPAGE_H
#define AGREEMENTPAGE_H

#include <QMap>
#include <QString>
#include <QWidget>

#include "ui_agreementpage.h"

class QComboBox;

// The licence page between the welcome checks and the connection guide. "I Agree"
// stays disabled until the box is ticked; it fills the guide's model list (or the
// connection types in local-only mode) and shows the guide as step 1.
class AgreementPage : public QWidget
{
    Q_OBJECT
public:
    explicit AgreementPage(QWidget* parent = nullptr);
    ~AgreementPage() override;

    Ui_AgreementPage* ui;

    // The licence in the current language, as the constructor sets it.
    QString licenceText() const;

public slots:
    void acceptAgreementCheckBox();
    void pressBackButton();
    void pressNextButton();
};

// Fills the model choice from the route map in key order: models starting with "VKC-"
// are appended, any other key (the prompt entry among them) goes to the top and
// becomes current.
void fillModelChoice(QComboBox* combo, const QMap<QString, QString>& routes);

// The connection types offered in local-only mode.
void fillLocalConnectionChoice(QComboBox* combo);

#endif // AGREEMENTPAGE_H
