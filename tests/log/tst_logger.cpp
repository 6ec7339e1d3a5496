#include "log/Logger.h"

#include <QFile>
#include <QTest>

using Corvane::Log::Logger;

class tst_Logger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modeFromArguments_data();
    void modeFromArguments();
    void modeFiltersLines_data();
    void modeFiltersLines();
    void writesLogFile();
};

void tst_Logger::modeFromArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");

    QTest::newRow("none") << QStringList{"sentrel"} << int(Logger::Errors);
    QTest::newRow("silent") << QStringList{"sentrel", "/logsilent"} << int(Logger::Silent);
    QTest::newRow("upper case") << QStringList{"sentrel", "/LOGVERBOSE"} << int(Logger::Verbose);
    QTest::newRow("last wins") << QStringList{"x", "/logverbose", "/logwarnings"} << int(Logger::ErrorsAndWarnings);
    QTest::newRow("file name") << QStringList{"x", "/home/u/logverbose"} << int(Logger::Errors);
}

void tst_Logger::modeFromArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QCOMPARE(Logger::modeFromArguments(arguments), mode);
}

void tst_Logger::modeFiltersLines_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("severity");
    QTest::addColumn<bool>("written");

    QTest::newRow("silent error") << int(Logger::Silent) << int(Logger::Error) << false;
    QTest::newRow("errors error") << int(Logger::Errors) << int(Logger::Error) << true;
    QTest::newRow("errors warning") << int(Logger::Errors) << int(Logger::Warning) << false;
    QTest::newRow("errors trace") << int(Logger::Errors) << int(Logger::Trace) << false;
    QTest::newRow("warnings warning") << int(Logger::ErrorsAndWarnings) << int(Logger::Warning) << true;
    QTest::newRow("warnings trace") << int(Logger::ErrorsAndWarnings) << int(Logger::Trace) << false;
    QTest::newRow("verbose trace") << int(Logger::Verbose) << int(Logger::Trace) << true;
}

void tst_Logger::modeFiltersLines()
{
    QFETCH(int, mode);
    QFETCH(int, severity);
    QFETCH(bool, written);

    Logger::initialize(mode, QString());
    QStringList lines;
    const auto previous = Logger::setLineObserver([&lines](Logger::Severity, const QString& line) {
        lines.append(line);
    });
    Logger(Logger::Severity(severity)) << "value " << qint64(42) << QStringLiteral(" units");
    Logger::setLineObserver(previous);

    QCOMPARE(lines, written ? QStringList{"value 42 units"} : QStringList{});
}

void tst_Logger::writesLogFile()
{
    Logger::initialize(Logger::Verbose, QStringLiteral("tst_logger"));
    const QString path = Logger::logFilePath();
    QVERIFY(path.startsWith(qEnvironmentVariable("XDG_STATE_HOME")));
    Logger(Logger::Trace) << "Navigation Control, previous button clicked.";
    Logger::close();
    QVERIFY(Logger::logFilePath().isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY(contents.trimmed().endsWith("[T] Navigation Control, previous button clicked."));
}

QTEST_GUILESS_MAIN(tst_Logger)
#include "tst_logger.moc"
