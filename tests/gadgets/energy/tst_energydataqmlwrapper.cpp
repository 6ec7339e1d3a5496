#include "WrapperChecks.h"

#include "energy/EnergyDataContainer.h"
#include "hosting/EnergyDataQMLWrapper.h"

using namespace Corvane::Gadgets;

class tst_EnergyDataQMLWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void hostsItsFace() { checkHostedFace<EnergyDataContainer, Utilities::EnergyDataQMLWrapper>(); }
};

QTEST_MAIN(tst_EnergyDataQMLWrapper)
#include "tst_energydataqmlwrapper.moc"
