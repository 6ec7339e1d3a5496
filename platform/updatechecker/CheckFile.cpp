#include "updatechecker/CheckFile.h"

#include <QXmlStreamReader>

namespace Corvane::UpdateChecker {

const QString CheckFile::FILE_NAME = QStringLiteral("check.xml");

namespace {

const QString RootElement = QStringLiteral("UPDATES");
const QString KitElement = QStringLiteral("KIT");
constexpr int Sha256HexLength = 64;
// An element name quoted in an error is cut to this length.
constexpr int MaxQuotedNameLength = 40;

QString xmlError(const QXmlStreamReader& reader)
{
    if (!reader.hasError())
        return QStringLiteral("no document element");
    return QStringLiteral("not well-formed XML (%1, line %2, column %3)")
        .arg(reader.errorString())
        .arg(reader.lineNumber())
        .arg(reader.columnNumber());
}

bool readNumber(const QXmlStreamAttributes& attributes, const QString& name, qint64& number)
{
    bool ok = false;
    number = attributes.value(name).toLongLong(&ok);
    return ok;
}

bool isHexDigest(const QByteArray& digest)
{
    if (digest.size() != Sha256HexLength)
        return false;
    for (const char c : digest) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

std::optional<KitInfo> readKit(const QXmlStreamAttributes& attributes)
{
    KitInfo kit;
    const QString versionText = attributes.value(QStringLiteral("version")).toString();
    qsizetype suffix = 0;
    kit.version = QVersionNumber::fromString(versionText, &suffix);
    qint64 stage = 0, os = 0, architecture = 0, package = 0, firmware = 0;
    if (kit.version.isNull() || suffix != versionText.size()
        || !readNumber(attributes, QStringLiteral("stage"), stage) || stage < Development || stage > Release
        || !readNumber(attributes, QStringLiteral("os"), os)
        || !readNumber(attributes, QStringLiteral("architecture"), architecture)
        || !readNumber(attributes, QStringLiteral("package"), package)
        || !readNumber(attributes, QStringLiteral("size"), kit.size) || kit.size <= 0)
        return std::nullopt;
    if (attributes.hasAttribute(QStringLiteral("firmware"))
        && (!readNumber(attributes, QStringLiteral("firmware"), firmware) || firmware < 0 || firmware > 1))
        return std::nullopt;
    kit.stage = static_cast<ProductStage>(stage);
    kit.os = int(os);
    kit.architecture = int(architecture);
    kit.package = int(package);
    kit.needsNewFirmware = firmware == 1;
    kit.link = attributes.value(QStringLiteral("link")).toString();
    kit.sha256 = attributes.value(QStringLiteral("sha256")).toString().toLower().toLatin1();
    if (!KitInfo::isSafeFileName(kit.link) || !isHexDigest(kit.sha256))
        return std::nullopt;
    return kit;
}

} // namespace

bool CheckFile::parse(const QByteArray& bytes)
{
    m_kits.clear();
    m_errorString.clear();
    QXmlStreamReader reader(bytes);
    if (!reader.readNextStartElement()) {
        m_errorString = xmlError(reader);
        return false;
    }
    if (reader.name() != RootElement) {
        m_errorString = QStringLiteral("the document element is \"%1\", not \"%2\"")
                            .arg(reader.name().toString().left(MaxQuotedNameLength), RootElement);
        return false;
    }
    QList<KitInfo> kits;
    while (reader.readNextStartElement()) {
        if (reader.name() == KitElement) {
            if (const std::optional<KitInfo> kit = readKit(reader.attributes()))
                kits.append(*kit);
        }
        reader.skipCurrentElement();
    }
    if (reader.hasError()) {
        m_errorString = xmlError(reader);
        return false;
    }
    m_kits = kits;
    return true;
}

QString CheckFile::errorString() const
{
    return m_errorString;
}

QList<KitInfo> CheckFile::kits() const
{
    return m_kits;
}

std::optional<KitInfo> CheckFile::newestKit(OSType os, ArchitectureType architecture, PackageType package,
                                            ProductStage installedStage) const
{
    std::optional<KitInfo> newest;
    for (const KitInfo& kit : m_kits) {
        if (kit.suits(os, architecture, package, installedStage) && (!newest || kit.version > newest->version))
            newest = kit;
    }
    return newest;
}

std::optional<KitInfo> CheckFile::kitByLink(const QString& link) const
{
    for (const KitInfo& kit : m_kits) {
        if (kit.link == link)
            return kit;
    }
    return std::nullopt;
}

} // namespace Corvane::UpdateChecker
