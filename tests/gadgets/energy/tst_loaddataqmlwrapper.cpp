#include "WrapperChecks.h"

#include "energy/LoadManagementDataControl.h"
#include "hosting/LoadDataQMLWrapper.h"

using namespace Corvane::Gadgets;

class tst_LoadDataQMLWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void hostsItsFace() { checkHostedFace<LoadManagementDataControl, Utilities::LoadDataQMLWrapper>(); }
};

QTEST_MAIN(tst_LoadDataQMLWrapper)
#include "tst_loaddataqmlwrapper.moc"
