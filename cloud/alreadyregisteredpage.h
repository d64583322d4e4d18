#ifndef ALREADYREGISTEREDPAGE_H
#define ALREADYREGISTEREDPAGE_H

#include <QWidget>

#include "ui_alreadyregisteredpage.h"

class AlreadyRegisteredPage : public QWidget
{
    Q_OBJECT
public:
    explicit AlreadyRegisteredPage(QWidget* parent = nullptr);
    ~AlreadyRegisteredPage() override;

    Ui_AlreadyRegisteredPage* ui;
};

#endif // ALREADYREGISTEREDPAGE_H
