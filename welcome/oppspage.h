#ifndef OPPSPAGE_H
#define OPPSPAGE_H

#include <QWidget>

#include "ui_oppspage.h"

class OppsPage : public QWidget
{
    Q_OBJECT
public:
    explicit OppsPage(QWidget* parent = nullptr);
    ~OppsPage() override;

    Ui_OppsPage* ui;
};

#endif // OPPSPAGE_H
