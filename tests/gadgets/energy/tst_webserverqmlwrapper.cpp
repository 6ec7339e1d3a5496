#include "WrapperChecks.h"

#include "energy/WebServerDataControl.h"
#include "hosting/WebServerQMLWrapper.h"

using namespace Corvane::Gadgets;

class tst_WebServerQMLWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void hostsItsFace() { checkHostedFace<WebServerDataControl, Utilities::WebServerQMLWrapper>(); }
};

QTEST_MAIN(tst_WebServerQMLWrapper)
#include "tst_webserverqmlwrapper.moc"
