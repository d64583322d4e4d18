#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QString>

// Creates the protocol object, the main window and its pages, as start-up does,
// without showing anything. Safe to call more than once.
void createWizardForTests();

#endif // TESTSUPPORT_H
