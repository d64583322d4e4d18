#ifndef WELCOMEPAGE_H
#define WELCOMEPAGE_H

#include <QWidget>

#include "ui_welcomepage.h"

class WelcomePage : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomePage(QWidget* parent = nullptr);
    ~WelcomePage() override;

    Ui_WelcomePage* ui;

public slots:
    void addLanguagesList();
    void langComboBoxIndexChanged(int index);
    void translateUI();
};

#endif // WELCOMEPAGE_H
