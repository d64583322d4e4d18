#include "connectiontypelocalview.h"

#include "log.h"

ConnectionTypeLocalView::ConnectionTypeLocalView(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeLocalView)
{
    WLOG << "ConnectionTypeLocalView Constructor Initializing ...";
    ui->setupUi(this);
}

ConnectionTypeLocalView::~ConnectionTypeLocalView()
{
    delete ui;
}
