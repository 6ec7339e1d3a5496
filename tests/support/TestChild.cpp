#include "TestChild.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace {

constexpr int CHILD_TIME_OUT_MS = 300000;

// The argument that runs the current test function, and only its current
// data row.
QString currentTestArgument()
{
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    const char* tag = QTest::currentDataTag();
    return tag ? function + QLatin1Char(':') + QString::fromUtf8(tag) : function;
}

} // namespace

int TestChild::run(const char* variable, const QString& value, const QStringList& wrapper,
                   const std::function<void()>& setUp, QByteArray* output)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(variable), value);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (setUp)
        child.setChildProcessModifier(setUp);
    const QStringList arguments{QCoreApplication::applicationFilePath(), currentTestArgument()};
    if (wrapper.isEmpty())
        child.start(arguments.constFirst(), arguments.mid(1));
    else
        child.start(wrapper.constFirst(), wrapper.mid(1) + arguments);
    if (!child.waitForFinished(CHILD_TIME_OUT_MS)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    if (output)
        *output = child.readAllStandardOutput();
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}
