#include "shell/wizardpage.h"

#include <QPushButton>

void WizardPage::setForwardButtonEnabled(QPushButton* button, bool enabled)
{
    button->setEnabled(enabled);
    button->setStyleSheet(enabled ? "background-image: url(:/images/btn_blue.png);font-family:Verdana;font:12px;"
                                    "color:rgb(255,255,255);border: 0px;"
                                  : "background-image: url(:/images/btn_blue_disable.png);font-family:Verdana;"
                                    "font:12px;color:rgb(255,255,255);border: 0px;");
}
