#include "hosting/FavoriteQMLWrapper.h"

#include "SceneTestHelpers.h"
#include "favorite/FavoriteControl.h"
#include "theme/RendererContainer.h"

#include <QPointer>
#include <QTest>

using namespace Corvane::Gadgets;
using Utilities::FavoriteQMLWrapper;

class tst_FavoriteQMLWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void hostsAFavouriteOfItsOwn();
};

void tst_FavoriteQMLWrapper::initTestCase()
{
    SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme"));
}

void tst_FavoriteQMLWrapper::cleanupTestCase()
{
    ThemeProvider::clear();
}

void tst_FavoriteQMLWrapper::hostsAFavouriteOfItsOwn()
{
    auto* wrapper = new FavoriteQMLWrapper;
    QPointer<FavoriteControl> favorite = qobject_cast<FavoriteControl*>(wrapper->control());

    QVERIFY(favorite);
    QCOMPARE(favorite->parentItem(), wrapper);
    QCOMPARE(favorite->rendererContainer(), ThemeProvider::getRendererFor(ThemeProvider::FAVORITE));

    delete wrapper;
    QVERIFY(!favorite);
}

QTEST_MAIN(tst_FavoriteQMLWrapper)
#include "tst_favoriteqmlwrapper.moc"
