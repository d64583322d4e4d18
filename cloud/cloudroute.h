#ifndef CLOUDROUTE_H
#define CLOUDROUTE_H

#include "cloud/cloudrouterules.h"

class QWidget;

namespace CloudRoute {

// Takes the road of planFor for the chosen camera; leaving is the page on screen.
void apply(Caller caller, QWidget* leaving);

}  // namespace CloudRoute

#endif  // CLOUDROUTE_H
