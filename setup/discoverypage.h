#ifndef DISCOVERYPAGE_H
#define DISCOVERYPAGE_H

#include <QWidget>

#include "ui_discoverypage.h"

class DiscoveryPage : public QWidget
{
    Q_OBJECT
public:
    explicit DiscoveryPage(QWidget* parent = nullptr);
    ~DiscoveryPage() override;

    Ui_DiscoveryPage* ui;
};

#endif // DISCOVERYPAGE_H
