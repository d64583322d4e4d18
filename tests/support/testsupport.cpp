#include "testsupport.h"

#include "dcputils.h"
#include "globals.h"
#include "mainpage.h"

void createWizardForTests()
{
    if (!gDCPUtils)
        gDCPUtils = new DCPUtils;
    if (!gMainpage)
        gMainpage = new Mainpage;
}
