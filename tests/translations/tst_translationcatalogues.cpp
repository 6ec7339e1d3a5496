#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The catalogues in the repository hold exactly the texts of their sources,
// every one of them translated, with the same placeholders and accelerators
// as its source text.
class tst_TranslationCatalogues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCatalogueInEveryLanguage();
    void lupdateFindsNothingNewOrGone_data();
    void lupdateFindsNothingNewOrGone();
    void lreleaseFindsNothingUnfinished_data();
    void lreleaseFindsNothingUnfinished();
    void placeholdersAndAcceleratorsMatch_data();
    void placeholdersAndAcceleratorsMatch();
    void markersAreFound_data();
    void markersAreFound();

private:
    void addCatalogueRows();
};

namespace {

struct Message
{
    QString key;   // context, source text and comment
    QString source;
    QStringList translations; // one, or one per plural form
    QString type;  // empty when finished; "unfinished", "vanished", "obsolete"
};

QList<Message> readMessages(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message();
            message.key = context;
        } else if (name == u"source") {
            message.source = xml.readElementText();
            message.key += u'\x1f' + message.source;
        } else if (name == u"comment") {
            message.key += u'\x1f' + xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            if (xml.attributes().value(QStringLiteral("numerus")) != u"yes")
                message.translations = {xml.readElementText()};
            messages.append(message);
        } else if (name == u"numerusform") {
            messages.last().translations.append(xml.readElementText());
        }
    }
    return messages;
}

QString shown(const QString& key)
{
    return QString(key).replace(u'\x1f', QStringLiteral(" | "));
}

QStringList catalogueFiles()
{
    return QDir(QStringLiteral(CATALOGUES_DIR)).entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
}

// "Gadgets_de_DE.ts" -> "Gadgets"
QString catalogueOf(const QString& fileName)
{
    static const QRegularExpression languageSuffix(QStringLiteral("_[a-z]{2}_[A-Z]{2}\\.ts$"));
    return QString(fileName).remove(languageSuffix);
}

QString run(const QString& program, const QStringList& arguments, bool* ok)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    *ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAll());
}

// The placeholders of a text in order of their numbers ("%1", "%L2", "%n").
QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// The accelerator markers of a text: "&" before a character, except "&&"
// (a literal ampersand) and HTML entities such as "&nbsp;".
int accelerators(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("&&|&#?\\w+;|&(?=\\S)"));
    int count = 0;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) {
        if (match.capturedLength() == 1)
            ++count;
    }
    return count;
}

} // namespace

void tst_TranslationCatalogues::addCatalogueRows()
{
    QTest::addColumn<QString>("fileName");
    for (const QString& fileName : catalogueFiles())
        QTest::newRow(qPrintable(fileName)) << fileName;
}

void tst_TranslationCatalogues::everyCatalogueInEveryLanguage()
{
    const QStringList projects =
        QDir(QStringLiteral(LUPDATE_PROJECTS_DIR)).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QVERIFY(!projects.isEmpty());
    QStringList expected;
    for (const QString& project : projects) {
        for (const QString& language : QStringLiteral(LANGUAGES).split(u' '))
            expected.append(project.chopped(5) + u'_' + language + QStringLiteral(".ts"));
    }
    expected.sort();
    QCOMPARE(catalogueFiles(), expected);
}

void tst_TranslationCatalogues::lupdateFindsNothingNewOrGone_data()
{
    addCatalogueRows();
}

// The update target run now would change nothing but source locations.
void tst_TranslationCatalogues::lupdateFindsNothingNewOrGone()
{
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(fileName);
    QVERIFY(QFile::copy(QDir(QStringLiteral(CATALOGUES_DIR)).filePath(fileName), copy));
    const QString project =
        QDir(QStringLiteral(LUPDATE_PROJECTS_DIR)).filePath(catalogueOf(fileName) + QStringLiteral(".json"));
    bool ok = false;
    const QString output = run(QStringLiteral(LUPDATE),
                               {QStringLiteral("-project"), project, QStringLiteral("-locations"),
                                QStringLiteral("none"), QStringLiteral("-silent"), QStringLiteral("-ts"), copy},
                               &ok);
    QVERIFY2(ok, qPrintable(output));

    QSet<QString> known;
    for (const Message& message : readMessages(QDir(QStringLiteral(CATALOGUES_DIR)).filePath(fileName)))
        known.insert(message.key);
    // lupdate marks a vanished text, or drops it when it has no translation.
    QStringList changes;
    for (const Message& message : readMessages(copy)) {
        if (!known.remove(message.key))
            changes.append(QStringLiteral("new: ") + shown(message.key));
        else if (message.type == u"vanished" || message.type == u"obsolete")
            changes.append(QStringLiteral("gone: ") + shown(message.key));
    }
    for (const QString& key : std::as_const(known))
        changes.append(QStringLiteral("gone: ") + shown(key));
    QVERIFY2(changes.isEmpty(), qPrintable(changes.join(u'\n')));
}

void tst_TranslationCatalogues::lreleaseFindsNothingUnfinished_data()
{
    addCatalogueRows();
}

void tst_TranslationCatalogues::lreleaseFindsNothingUnfinished()
{
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    bool ok = false;
    const QString output = run(QStringLiteral(LRELEASE),
                               {QDir(QStringLiteral(CATALOGUES_DIR)).filePath(fileName), QStringLiteral("-qm"),
                                dir.filePath(QStringLiteral("catalogue.qm"))},
                               &ok);
    QVERIFY2(ok, qPrintable(output));
    static const QRegularExpression generated(
        QStringLiteral("Generated (\\d+) translation\\(s\\) \\((\\d+) finished and (\\d+) unfinished\\)"));
    const QRegularExpressionMatch counts = generated.match(output);
    QVERIFY2(counts.hasMatch(), qPrintable(output));
    QVERIFY2(counts.captured(1).toInt() > 0, qPrintable(output));
    QVERIFY2(counts.captured(3) == u"0", qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("Ignored")), qPrintable(output));
}

void tst_TranslationCatalogues::placeholdersAndAcceleratorsMatch_data()
{
    addCatalogueRows();
}

void tst_TranslationCatalogues::placeholdersAndAcceleratorsMatch()
{
    QFETCH(QString, fileName);
    QStringList mismatches;
    for (const Message& message : readMessages(QDir(QStringLiteral(CATALOGUES_DIR)).filePath(fileName))) {
        for (const QString& translation : message.translations) {
            if (translation.isEmpty())
                continue;
            // A plural form may leave the count out ("one file" for "%n file(s)").
            QStringList expected = placeholders(message.source);
            QStringList found = placeholders(translation);
            if (message.translations.size() > 1) {
                expected.removeAll(QStringLiteral("%n"));
                found.removeAll(QStringLiteral("%n"));
            }
            if (found != expected || accelerators(translation) != accelerators(message.source))
                mismatches.append(shown(message.key) + QStringLiteral(" -> ") + translation);
        }
    }
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(u'\n')));
}

void tst_TranslationCatalogues::markersAreFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("accelerators");
    QTest::addColumn<QStringList>("placeholders");

    QTest::newRow("plain") << "Project: %1" << 0 << QStringList{"%1"};
    QTest::newRow("accelerator") << "&File" << 1 << QStringList();
    QTest::newRow("arabic accelerator") << QString::fromUtf8("&\u0645\u0644\u0641") << 1 << QStringList();
    QTest::newRow("literal ampersand") << "Save && close" << 0 << QStringList();
    QTest::newRow("entity") << "a&nbsp;b &#160; &amp;" << 0 << QStringList();
    QTest::newRow("reordered") << "%2 of %L1" << 0 << QStringList{"%2", "%L1"};
    QTest::newRow("plural") << "%n file(s)" << 0 << QStringList{"%n"};
    QTest::newRow("percent sign") << "100 % sure" << 0 << QStringList();
}

void tst_TranslationCatalogues::markersAreFound()
{
    QFETCH(QString, text);
    QFETCH(int, accelerators);
    QFETCH(QStringList, placeholders);
    QCOMPARE(::accelerators(text), accelerators);
    QCOMPARE(::placeholders(text), placeholders);
}

QTEST_GUILESS_MAIN(tst_TranslationCatalogues)
#include "tst_translationcatalogues.moc"
