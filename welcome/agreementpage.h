#ifndef AGREEMENTPAGE_H
#define AGREEMENTPAGE_H

#include <QWidget>

#include "ui_agreementpage.h"

class AgreementPage : public QWidget
{
    Q_OBJECT
public:
    explicit AgreementPage(QWidget* parent = nullptr);
    ~AgreementPage() override;

    Ui_AgreementPage* ui;
};

#endif // AGREEMENTPAGE_H
