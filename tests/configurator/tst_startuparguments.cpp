#include "StartupArguments.h"
#include "log/Logger.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Configurator::StartupArguments;
using Corvane::Log::Logger;

class tst_StartupArguments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void parse_data();
    void parse();

private:
    QTemporaryDir m_dir;
};

void tst_StartupArguments::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const char* name : {"a.vtprj", "b.vtprj", "with space.vtprj"}) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void tst_StartupArguments::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file"); // relative to the test folder; empty: none

    const QString program = QCoreApplication::applicationFilePath();
    QTest::newRow("nothing") << QStringList{program} << 1 << "";
    QTest::newRow("upper-case switch") << QStringList{program, Logger::VERBOSE_ARG.toUpper()} << 3 << "";
    QTest::newRow("later switch wins") << QStringList{program, Logger::SILENT_ARG, Logger::ERRORS_WARNINGS_ARG} << 2 << "";
    QTest::newRow("last existing file wins") << QStringList{program, "a.vtprj", "b.vtprj", "missing.vtprj"} << 1 << "b.vtprj";
    QTest::newRow("program path never opened") << QStringList{m_dir.filePath("a.vtprj")} << 1 << "";
    QTest::newRow("absolute path") << QStringList{program, m_dir.filePath("with space.vtprj"), Logger::SILENT_ARG} << 0
                                   << "with space.vtprj";
    QTest::newRow("folder ignored") << QStringList{program, m_dir.path()} << 1 << "";
}

void tst_StartupArguments::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QString, file);

    const StartupArguments parsed = StartupArguments::parse(arguments);
    QCOMPARE(parsed.logMode, mode);
    QCOMPARE(parsed.fileToOpen, file.isEmpty() ? QString() : m_dir.filePath(file));
}

QTEST_GUILESS_MAIN(tst_StartupArguments)
#include "tst_startuparguments.moc"
