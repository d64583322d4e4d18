#include "testsupport.h"

#include "base/globals.h"
#include "protocol/dcputils.h"
#include "setup/hostinterfaces.h"
#include "shell/mainpage.h"

void createWizardForTests()
{
    if (!gDCPUtils)
        gDCPUtils = new DCPUtils;
    if (!gMainpage) {
        // A discovery scan pass finds no interface here: in-process tests never broadcast
        // on the machine's own network. Tests that scan give their own loopback interfaces.
        HostInterfaces::setSourceForTests([] { return QList<HostInterfaces::Interface>(); });
        gMainpage = new Mainpage;
    }
}

QWidget* frameWidget(const char* objectName)
{
    QWidget* widget = gMainpage->findChild<QWidget*>(QString::fromLatin1(objectName));
    Q_ASSERT(widget);
    return widget;
}
