#include "theme/ThemeResourceValidator.h"

#include "ZipBuilder.h"

#include <QTemporaryDir>
#include <QTest>

using Corvane::Gadgets::ThemeResourceValidator;

class tst_ThemeResourceValidator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void containsAllResources_data();
    void containsAllResources();

private:
    QTemporaryDir m_dir;
};

void tst_ThemeResourceValidator::containsAllResources_data()
{
    QTest::addColumn<QString>("zipName");
    QTest::addColumn<QStringList>("leftOut");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("missing");

    QTest::newRow("complete") << "complete.zip" << QStringList() << QStringList() << QString();
    QTest::newRow("extra files") << "extra.zip" << QStringList() << QStringList{"notes.txt"} << QString();
    QTest::newRow("no slider thumb") << "partial.zip" << QStringList{"slider_thumb.png"} << QStringList()
                                     << "slider_thumb.png";
    QTest::newRow("file in a subfolder") << "nested.zip" << QStringList{"light.svg"} << QStringList{"sub/light.svg"}
                                         << "light.svg";
    QTest::newRow("name in other case") << "case.zip" << QStringList{"light.svg"} << QStringList{"LIGHT.svg"}
                                        << "light.svg";
    QTest::newRow("no zip") << "" << QStringList() << QStringList() << "light.svg";
}

void tst_ThemeResourceValidator::containsAllResources()
{
    QFETCH(QString, zipName);
    QFETCH(QStringList, leftOut);
    QFETCH(QStringList, added);
    QFETCH(QString, missing);

    const QString zipPath = m_dir.filePath(zipName.isEmpty() ? "absent.zip" : zipName);
    if (!zipName.isEmpty()) {
        ZipBuilder zip;
        zip.addFolder(":/FixtureTheme", leftOut);
        for (const QString& name : added)
            zip.add(name, "x");
        QVERIFY(zip.write(zipPath));
    }

    QString error = "before. ";
    const bool complete = ThemeResourceValidator::containsAllResources(":/FixtureTheme/", zipPath, &error);
    QCOMPARE(complete, missing.isEmpty());
    QCOMPARE(error, missing.isEmpty() ? QString("before. ")
                                      : QString("before. Required file %1 missing in %2").arg(missing, zipPath));
    QCOMPARE(ThemeResourceValidator::containsAllResources(":/FixtureTheme/", zipPath, nullptr), complete);
}

QTEST_GUILESS_MAIN(tst_ThemeResourceValidator)
#include "tst_themeresourcevalidator.moc"
