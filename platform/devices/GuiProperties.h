#pragma once

#include "BaseObservable.h"
#include "ConfigPage.h"

#include <QHash>
#include <QPoint>
#include <QSize>
#include <QString>

namespace Corvane::Devices {

// How the user wants the programs to look and behave. A project keeps only
// its language and temperature unit here; the user settings keep all fields.
class GuiProperties : public BaseObservable
{
public:
    static const QString DEFAULT_LANGUAGE;
    static const int DEFAULT_DIMENSION;
    static const int DEFAULT_TRANSPARENCY;
    static const int DEFAULT_HIDE_LABELS_TIMEOUT;
    static const int DEFAULT_GO_HOMEPAGE_TIMEOUT;
    static const double DEFAULT_CAROUSEL_SCALE;

    explicit GuiProperties(const QString& language = DEFAULT_LANGUAGE,
                           int dimension = DEFAULT_DIMENSION,
                           int transparency = DEFAULT_TRANSPARENCY,
                           int hideLabelsTimeout = DEFAULT_HIDE_LABELS_TIMEOUT,
                           int goHomepageTimeout = DEFAULT_GO_HOMEPAGE_TIMEOUT,
                           const QString& skin = QString(), int temperatureUnit = 0,
                           const QString& installConfigFileName = QString());

    QString language() const { return m_language; }
    void setLanguage(const QString& language);
    // Scale of the main window in percent.
    int dimension() const { return m_dimension; }
    void setDimension(int dimension);
    int transparency() const { return m_transparency; }
    void setTransparency(int transparency);
    // Seconds.
    int hideLabelsTimeout() const { return m_hideLabelsTimeout; }
    void setHideLabelsTimeout(int seconds);
    int goHomepageTimeout() const { return m_goHomepageTimeout; }
    void setGoHomepageTimeout(int seconds);
    QString skin() const { return m_skin; }
    void setSkin(const QString& skin);
    // 0 Celsius, 1 Fahrenheit.
    int temperatureUnit() const { return m_temperatureUnit; }
    void setTemperatureUnit(int unit);
    QPoint position() const { return m_position; }
    void setPosition(const QPoint& position);
    bool alwaysOnTop() const { return m_alwaysOnTop; }
    void setAlwaysOnTop(bool onTop);

    // The project in use: the temporary one when set, else the installed one.
    QString currentFileName() const;
    QString tempConfigFileName() const { return m_tempConfigFileName; }
    void setTempConfigFileName(const QString& fileName);
    QString installConfigFileName() const { return m_installConfigFileName; }
    void setInstallConfigFileName(const QString& fileName);
    QString lastConfigFolderPath() const { return m_lastConfigFolderPath; }
    void setLastConfigFolderPath(const QString& path);

    // Identity of the active project when the settings were last saved.
    QString lastDefConfigId() const { return m_lastDefConfigId; }
    void setLastDefConfigId(const QString& id);
    int lastDefConfigVersion() const { return m_lastDefConfigVersion; }
    void setLastDefConfigVersion(int version);

    bool isUserConfDialogMaximized() const { return m_userConfDialogMaximized; }
    void setIsUserConfDialogMaximized(bool maximized);
    QSize userConfDialogSize() const { return m_userConfDialogSize; }
    void setUserConfDialogSize(const QSize& size);

    // The carousel scale of a page; DEFAULT_CAROUSEL_SCALE when never set.
    double carouselScale(ConfigPage::PageType pageType) const;
    void setCarouselScale(ConfigPage::PageType pageType, double scale);
    QHash<int, double> carouselScales() const { return m_carouselScales; }

    bool operator==(const GuiProperties& other) const;
    bool operator!=(const GuiProperties& other) const { return !(*this == other); }

private:
    QString m_language;
    int m_dimension;
    int m_transparency;
    int m_hideLabelsTimeout;
    int m_goHomepageTimeout;
    QString m_skin;
    int m_temperatureUnit;
    QPoint m_position;
    bool m_alwaysOnTop = false;
    QString m_tempConfigFileName;
    QString m_installConfigFileName;
    QString m_lastConfigFolderPath;
    QString m_lastDefConfigId;
    int m_lastDefConfigVersion = 0;
    bool m_userConfDialogMaximized = false;
    QSize m_userConfDialogSize;
    QHash<int, double> m_carouselScales;
};

} // namespace Corvane::Devices
