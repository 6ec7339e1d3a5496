#include "GuiProperties.h"

namespace Corvane::Devices {

const QString GuiProperties::DEFAULT_LANGUAGE = QStringLiteral("en_US");
const int GuiProperties::DEFAULT_DIMENSION = 50;
const int GuiProperties::DEFAULT_TRANSPARENCY = 0;
const int GuiProperties::DEFAULT_HIDE_LABELS_TIMEOUT = 30;
const int GuiProperties::DEFAULT_GO_HOMEPAGE_TIMEOUT = 60;
const double GuiProperties::DEFAULT_CAROUSEL_SCALE = 1.0;

GuiProperties::GuiProperties(const QString& language, int dimension, int transparency,
                             int hideLabelsTimeout, int goHomepageTimeout, const QString& skin,
                             int temperatureUnit, const QString& installConfigFileName)
    : m_language(language)
    , m_dimension(dimension)
    , m_transparency(transparency)
    , m_hideLabelsTimeout(hideLabelsTimeout)
    , m_goHomepageTimeout(goHomepageTimeout)
    , m_skin(skin)
    , m_temperatureUnit(temperatureUnit)
    , m_installConfigFileName(installConfigFileName)
{
}

void GuiProperties::setLanguage(const QString& language) { assign(m_language, language); }
void GuiProperties::setDimension(int dimension) { assign(m_dimension, dimension); }
void GuiProperties::setTransparency(int transparency) { assign(m_transparency, transparency); }
void GuiProperties::setHideLabelsTimeout(int seconds) { assign(m_hideLabelsTimeout, seconds); }
void GuiProperties::setGoHomepageTimeout(int seconds) { assign(m_goHomepageTimeout, seconds); }
void GuiProperties::setSkin(const QString& skin) { assign(m_skin, skin); }
void GuiProperties::setTemperatureUnit(int unit) { assign(m_temperatureUnit, unit); }
void GuiProperties::setPosition(const QPoint& position) { assign(m_position, position); }
void GuiProperties::setAlwaysOnTop(bool onTop) { assign(m_alwaysOnTop, onTop); }

QString GuiProperties::currentFileName() const
{
    return m_tempConfigFileName.isEmpty() ? m_installConfigFileName : m_tempConfigFileName;
}

void GuiProperties::setTempConfigFileName(const QString& fileName)
{
    assign(m_tempConfigFileName, fileName);
}

void GuiProperties::setInstallConfigFileName(const QString& fileName)
{
    assign(m_installConfigFileName, fileName);
}

void GuiProperties::setLastConfigFolderPath(const QString& path)
{
    assign(m_lastConfigFolderPath, path);
}

void GuiProperties::setLastDefConfigId(const QString& id) { assign(m_lastDefConfigId, id); }
void GuiProperties::setLastDefConfigVersion(int version) { assign(m_lastDefConfigVersion, version); }

void GuiProperties::setIsUserConfDialogMaximized(bool maximized)
{
    assign(m_userConfDialogMaximized, maximized);
}

void GuiProperties::setUserConfDialogSize(const QSize& size)
{
    assign(m_userConfDialogSize, size);
}

double GuiProperties::carouselScale(ConfigPage::PageType pageType) const
{
    return m_carouselScales.value(pageType, DEFAULT_CAROUSEL_SCALE);
}

void GuiProperties::setCarouselScale(ConfigPage::PageType pageType, double scale)
{
    const auto it = m_carouselScales.constFind(pageType);
    if (it != m_carouselScales.constEnd() && *it == scale)
        return;
    m_carouselScales.insert(pageType, scale);
    notifyChange();
}

bool GuiProperties::operator==(const GuiProperties& other) const
{
    return m_language == other.m_language && m_dimension == other.m_dimension
        && m_transparency == other.m_transparency
        && m_hideLabelsTimeout == other.m_hideLabelsTimeout
        && m_goHomepageTimeout == other.m_goHomepageTimeout && m_skin == other.m_skin
        && m_temperatureUnit == other.m_temperatureUnit && m_position == other.m_position
        && m_alwaysOnTop == other.m_alwaysOnTop
        && m_tempConfigFileName == other.m_tempConfigFileName
        && m_installConfigFileName == other.m_installConfigFileName
        && m_lastConfigFolderPath == other.m_lastConfigFolderPath
        && m_lastDefConfigId == other.m_lastDefConfigId
        && m_lastDefConfigVersion == other.m_lastDefConfigVersion
        && m_userConfDialogMaximized == other.m_userConfDialogMaximized
        && m_userConfDialogSize == other.m_userConfDialogSize
        && m_carouselScales == other.m_carouselScales;
}

} // namespace Corvane::Devices
