#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

// The installed MIME package makes project files known to the desktop as
// "text/x-vtprj".
class tst_VtprjMimeType : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void projectFilesAreRecognised_data();
    void projectFilesAreRecognised();
};

void tst_VtprjMimeType::projectFilesAreRecognised_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("mimeType");

    QTest::newRow("project") << "home.vtprj" << "text/x-vtprj";
    QTest::newRow("project with blanks") << "My Home.vtprj" << "text/x-vtprj";
    QTest::newRow("other file") << "notes.txt" << "text/plain";
}

void tst_VtprjMimeType::projectFilesAreRecognised()
{
    QFETCH(QString, fileName);
    QFETCH(QString, mimeType);

    const QMimeDatabase database;
    QCOMPARE(database.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension).name(), mimeType);
    const QMimeType type = database.mimeTypeForName(QStringLiteral("text/x-vtprj"));
    QVERIFY(type.isValid());
    QVERIFY(type.inherits(QStringLiteral("application/xml")));
}

int main(int argc, char** argv)
{
    // The MIME database reads the user's data folder first; point it at a
    // folder holding the package as installed.
    QTemporaryDir dataHome;
    const QString packages = dataHome.path() + QStringLiteral("/mime/packages");
    if (!QDir().mkpath(packages)
        || !QFile::copy(QStringLiteral(MIME_PACKAGE_FILE), packages + QStringLiteral("/talvera-vtprj.xml")))
        return 1;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));

    QCoreApplication application(argc, argv);
    tst_VtprjMimeType test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_vtprjmimetype.moc"
