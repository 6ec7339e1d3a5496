#include "InfoSwSettings.h"

#include "utilities/PathProvider.h"
#include "utilities/XmlReader.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QSysInfo>

namespace Corvane::Updater {

using UpdateChecker::ProductStage;

const QString InfoSwSettings::BRAND_CORVANE = QStringLiteral("Corvane");
const QString InfoSwSettings::BRAND_TALVERA = QStringLiteral("Talvera");
const QString InfoSwSettings::BRAND_CODE_CORVANE = QStringLiteral("CV");
const QString InfoSwSettings::BRAND_CODE_TALVERA = QStringLiteral("TL");
const QString InfoSwSettings::INFOSW_TAG_NAME = QStringLiteral("INFOSW");
const QString InfoSwSettings::SW_INIT_TAG_NAME = QStringLiteral("SW_INIT");
const QString InfoSwSettings::SOFTWARE_FRIENDLY_NAME_TAG_NAME = QStringLiteral("SOFTWARE_FRIENDLY_NAME");
const QString InfoSwSettings::BRAND_TAG_NAME = QStringLiteral("BRAND");
const QString InfoSwSettings::BRANDCODE_TAG_NAME = QStringLiteral("BRANDCODE");
const QString InfoSwSettings::SPLASH_MESSAGE_TAG_NAME = QStringLiteral("SPLASH_MESSAGE");
const QString InfoSwSettings::STAGE_TAG_NAME = QStringLiteral("STAGE");
const QString InfoSwSettings::VERSION_GROUP_TAG_NAME = QStringLiteral("VERSION");
const QString InfoSwSettings::VERSION_TAG_NAME = QStringLiteral("V");
const QString InfoSwSettings::RELEASE_TAG_NAME = QStringLiteral("R");
const QString InfoSwSettings::BUILD_TAG_NAME = QStringLiteral("B");
const QString InfoSwSettings::BUILD_ARCHITECTURE =
    QSysInfo::WordSize == 64 ? QStringLiteral("x64") : QStringLiteral("x86");
const QString InfoSwSettings::DPKG_PATH = QStringLiteral("/usr/bin/dpkg");

namespace {

bool isValidNumber(const QDomElement& element)
{
    return !element.isNull()
        && InfoSwSettings::integerValueFromString(element.text()) != InfoSwSettings::UNSPECIFIED_INTEGER_VALUE;
}

} // namespace

InfoSwSettings* InfoSwSettings::instance()
{
    static InfoSwSettings settings = [] {
        InfoSwSettings read;
        read.read();
        return read;
    }();
    return &settings;
}

void InfoSwSettings::read()
{
    readSettings(Utilities::PathProvider::configInfoSwFullName());
}

bool InfoSwSettings::readSettings(const QString& path)
{
    QDomDocument document;
    if (!Utilities::XmlReader::loadDocument(path, document))
        return false;
    const QDomElement root = document.documentElement();
    if (root.tagName() != INFOSW_TAG_NAME)
        return false;
    const QDomElement init = root.firstChildElement(SW_INIT_TAG_NAME);
    if (init.isNull())
        return false;
    const QDomElement name = init.firstChildElement(SOFTWARE_FRIENDLY_NAME_TAG_NAME);
    if (name.isNull() || name.text().isEmpty())
        return false;
    const QDomElement brand = init.firstChildElement(BRAND_TAG_NAME);
    if (brand.isNull() || brandFromString(brand.text()) == UnsetBrand)
        return false;
    const QDomElement brandCode = init.firstChildElement(BRANDCODE_TAG_NAME);
    if (brandCode.isNull() || brandCodeFromString(brandCode.text()) == UnsetBrandCode)
        return false;
    const QDomElement splash = init.firstChildElement(SPLASH_MESSAGE_TAG_NAME);
    if (splash.isNull() || splash.text().isEmpty())
        return false;
    const QDomElement stage = init.firstChildElement(STAGE_TAG_NAME);
    if (stage.isNull())
        return false;
    const QDomElement versionGroup = init.firstChildElement(VERSION_GROUP_TAG_NAME);
    if (versionGroup.isNull())
        return false;
    const QDomElement version = versionGroup.firstChildElement(VERSION_TAG_NAME);
    const QDomElement release = versionGroup.firstChildElement(RELEASE_TAG_NAME);
    const QDomElement build = versionGroup.firstChildElement(BUILD_TAG_NAME);
    if (!isValidNumber(version) || !isValidNumber(release) || !isValidNumber(build))
        return false;

    setSoftwareFriendlyName(name.text());
    setBrand(brandFromString(brand.text()));
    setBrandCode(brandCodeFromString(brandCode.text()));
    setSplashMessage(splash.text());
    setStage(stageFromString(stage.text()));
    setVersion(versionFromString(version.text()));
    setRevision(releaseFromString(release.text()));
    setBuild(buildFromString(build.text()));
    return true;
}

QString InfoSwSettings::softwareFriendlyName() const
{
    return m_softwareFriendlyName;
}

Brand InfoSwSettings::brand() const
{
    return m_brand;
}

BrandCode InfoSwSettings::brandCode() const
{
    return m_brandCode;
}

QString InfoSwSettings::splashMessage() const
{
    return m_splashMessage;
}

ProductStage InfoSwSettings::stage() const
{
    return m_stage;
}

int InfoSwSettings::version() const
{
    return m_version;
}

int InfoSwSettings::release() const
{
    return m_release;
}

int InfoSwSettings::build() const
{
    return m_build;
}

QString InfoSwSettings::fullVersionString() const
{
    return QStringLiteral("%1.%2.%3").arg(m_version).arg(m_release).arg(m_build);
}

void InfoSwSettings::setSoftwareFriendlyName(const QString& name)
{
    if (!name.isEmpty())
        m_softwareFriendlyName = name;
}

void InfoSwSettings::setBrand(Brand brand)
{
    if (brand == BrandCorvane || brand == BrandTalvera)
        m_brand = brand;
}

void InfoSwSettings::setBrandCode(BrandCode code)
{
    if (code == BrandCodeCV || code == BrandCodeTL)
        m_brandCode = code;
}

void InfoSwSettings::setSplashMessage(const QString& message)
{
    if (!message.isEmpty())
        m_splashMessage = message;
}

void InfoSwSettings::setStage(ProductStage stage)
{
    if (isValidStage(stage))
        m_stage = stage;
}

void InfoSwSettings::setVersion(int version)
{
    if (version >= 0)
        m_version = version;
}

void InfoSwSettings::setRevision(int release)
{
    if (release >= 0)
        m_release = release;
}

void InfoSwSettings::setBuild(int build)
{
    if (build >= 0)
        m_build = build;
}

QString InfoSwSettings::brandToString(Brand brand)
{
    switch (brand) {
    case BrandCorvane:
        return BRAND_CORVANE;
    case BrandTalvera:
        return BRAND_TALVERA;
    case UnsetBrand:
        break;
    }
    return QString();
}

QString InfoSwSettings::brandCodeToString(BrandCode code)
{
    switch (code) {
    case BrandCodeCV:
        return BRAND_CODE_CORVANE;
    case BrandCodeTL:
        return BRAND_CODE_TALVERA;
    case UnsetBrandCode:
        break;
    }
    return QString();
}

Brand InfoSwSettings::brandFromString(const QString& text)
{
    if (text == BRAND_CORVANE)
        return BrandCorvane;
    if (text == BRAND_TALVERA)
        return BrandTalvera;
    return UnsetBrand;
}

BrandCode InfoSwSettings::brandCodeFromString(const QString& text)
{
    if (text == BRAND_CODE_CORVANE)
        return BrandCodeCV;
    if (text == BRAND_CODE_TALVERA)
        return BrandCodeTL;
    return UnsetBrandCode;
}

int InfoSwSettings::integerValueFromString(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : UNSPECIFIED_INTEGER_VALUE;
}

int InfoSwSettings::versionFromString(const QString& text)
{
    return integerValueFromString(text);
}

int InfoSwSettings::releaseFromString(const QString& text)
{
    return integerValueFromString(text);
}

int InfoSwSettings::buildFromString(const QString& text)
{
    return integerValueFromString(text);
}

ProductStage InfoSwSettings::stageFromString(const QString& text)
{
    const int stage = integerValueFromString(text);
    return isValidStage(stage) ? static_cast<ProductStage>(stage) : UpdateChecker::Development;
}

bool InfoSwSettings::isValidStage(int stage)
{
    return stage >= UpdateChecker::Development && stage <= UpdateChecker::Release;
}

UpdateChecker::OSType InfoSwSettings::os()
{
    return UpdateChecker::Linux;
}

UpdateChecker::ArchitectureType InfoSwSettings::architecture(const QString& buildArchitecture)
{
    return buildArchitecture.contains(QStringLiteral("64")) ? UpdateChecker::X64 : UpdateChecker::X86;
}

UpdateChecker::PackageType InfoSwSettings::installationPackageType(const QString& dpkgPath)
{
    return QFileInfo::exists(dpkgPath) ? UpdateChecker::DebianPackage : UpdateChecker::Archive;
}

} // namespace Corvane::Updater
