#include "dialogs/SkinPreview.h"

#include "controls/SvgControl.h"
#include "theme/SkinFileCheck.h"
#include "theme/ThemeProvider.h"
#include "theme/ThemeResourceValidator.h"
#include "theme/ThemeSettings.h"

#include "log/Logger.h"
#include "utilities/Globals.h"
#include "utilities/MathTools.h"
#include "utilities/Zip/Unzipper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

namespace Corvane::Gadgets {

using Log::Logger;
namespace OutsideUtilities = Corvane::Utilities;

const QString SkinPreview::SKIN_FILE_NAME = QStringLiteral("navigation.svg");
const QString SkinPreview::SKIN_FILE_EXTENSION = QStringLiteral(".svg");
const QString SkinPreview::SKIN_CONTAINER_EXTENSION = QStringLiteral(".zip");
const QSize SkinPreview::SIZE_PREVIEW_DEFAULT = QSize(160, 160);
const QString SkinPreview::SKIN_NAME_KEY = QStringLiteral("skin_name");
const QStringList SkinPreview::SKIN_SVG_ELEMENTS_IDS = {
    QStringLiteral("background"), QStringLiteral("previous_default"), QStringLiteral("next_default"),
    QStringLiteral("move_default"), QStringLiteral("info_default"), QStringLiteral("home_default"),
    QStringLiteral("close_default"), QStringLiteral("refresh_default"), QStringLiteral("resize_default"),
};
QStringList SkinPreview::SYSTEMS = QStringList(5);
const QString SkinPreview::SYSTEM_ELEMENT_NAME = QStringLiteral("default");
const QString SkinPreview::SYSTEM_ELEMENT_PLACEHOLDER_NAME = QStringLiteral("segment_%1_content_placeholder");

namespace {

constexpr int REFLECTION_GAP = 5;

bool isLoadableFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

// A renderer of bytes that may be missing or refused; an empty renderer
// then. The skin check has passed the skin, but the archive may have changed
// since: no document reaches the renderer unchecked.
QSvgRenderer* rendererOfZipMember(const QString& zipPath, const QString& fileName)
{
    QByteArray bytes;
    auto* renderer = new QSvgRenderer();
    if (OutsideUtilities::Zip::Unzipper().loadBytes(zipPath, fileName, bytes)
        && SkinFileCheck::svgProblem(bytes).isEmpty())
        renderer->load(bytes);
    renderer->setObjectName(QStringLiteral("%1 of %2").arg(fileName, zipPath));
    return renderer;
}

QSvgRenderer* rendererOfFile(const QString& path)
{
    return isLoadableFile(path) ? new QSvgRenderer(path) : new QSvgRenderer();
}

} // namespace

SkinPreview::SkinPreview(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    if (SYSTEMS.first().isEmpty()) {
        SYSTEMS = {
            ThemeProvider::SCENARIO_SYSTEM + ThemeProvider::FILES_SUFFIX,
            ThemeProvider::LIGHTS_SYSTEM + ThemeProvider::FILES_SUFFIX,
            ThemeProvider::AUTOMATION_SYSTEM + ThemeProvider::FILES_SUFFIX,
            ThemeProvider::THERMOREGULATION_SYSTEM + ThemeProvider::FILES_SUFFIX,
            ThemeProvider::PRESENCE_SYSTEM + ThemeProvider::FILES_SUFFIX,
        };
    }
    setHasMirrorReflection(true);
    addSkin(QString(), ThemeProvider::DefaultThemeFolder);
}

void SkinPreview::addSkins(const QString& folder)
{
    const QDir dir(folder, QStringLiteral("*%1").arg(SKIN_CONTAINER_EXTENSION));
    for (const QFileInfo& entry : dir.entryInfoList()) {
        const QString path = entry.absoluteFilePath();
        QString name;
        if (const auto settings = ThemeProvider::createThemeIniFile(path))
            name = settings->value(SKIN_NAME_KEY, QString()).toString();
        if (name.isEmpty())
            name = entry.fileName();
        addSkin(name, path);
    }
}

bool SkinPreview::acceptsSkinPath(const QString& path)
{
    if (path == ThemeProvider::DefaultThemeFolder)
        return true;
    QString reason;
    if (!QFileInfo(path).isFile() || !path.endsWith(SKIN_CONTAINER_EXTENSION, Qt::CaseInsensitive)) {
        reason = QCoreApplication::translate("Corvane::Gadgets::SkinPreview", "%1 is not a skin zip file").arg(path);
    } else if (!ThemeResourceValidator::containsAllResources(ThemeProvider::DefaultThemeFolder + u'/', path,
                                                             &reason)) {
        // The theme engine would fall back to the built-in theme for this skin.
    } else {
        return true;
    }
    Logger(Logger::Error) << Q_FUNC_INFO << " Skin not offered: " << reason;
    const QString fileName = QFileInfo(path).fileName();
    if (!m_rejectedSkinFiles.contains(fileName)) {
        m_rejectedSkinFiles.append(fileName);
        m_rejectedSkins.append(reason);
    }
    return false;
}

void SkinPreview::addSkin(const QString& name, const QString& path)
{
    if (path.isEmpty() || findSkin(path) >= 0 || !QFileInfo::exists(path))
        return;
    if (!acceptsSkinPath(path))
        return;

    std::unique_ptr<QSvgRenderer> renderer;
    QList<QSvgRenderer*> systems;
    if (QFileInfo(path).isDir()) {
        const bool endsWithSeparator = path.endsWith(u'/') || path.endsWith(u'\\');
        renderer.reset(rendererOfFile(path + (endsWithSeparator ? QString() : QStringLiteral("/")) + SKIN_FILE_NAME));
        for (const QString& system : std::as_const(SYSTEMS))
            systems.append(rendererOfFile(path + u'/' + system));
    } else {
        renderer.reset(rendererOfZipMember(path, SKIN_FILE_NAME));
        for (const QString& system : std::as_const(SYSTEMS))
            systems.append(rendererOfZipMember(path, system));
    }
    addSkin(name, path, renderer.get(), systems);
    qDeleteAll(systems);
}

void SkinPreview::addSkin(const QString& name, const QString& folderName, QSvgRenderer* renderer,
                          const QList<QSvgRenderer*>& systems)
{
    if (!renderer || !renderer->isValid())
        return;

    QList<QPair<QString, QRectF>> elements;
    QRectF total;
    for (const QString& id : SKIN_SVG_ELEMENTS_IDS) {
        if (!renderer->elementExists(id))
            continue;
        const QRectF bounds = SvgControl::boundsOnElement(id, renderer);
        elements.append({id, bounds});
        total = total.united(bounds);
    }
    if (elements.isEmpty() || total.width() <= 0 || total.height() <= 0)
        return;

    const qreal previewWidth = m_previewSize.width();
    const qreal previewHeight = m_previewSize.height();
    qreal scale = 1.0;
    if (!OutsideUtilities::MathTools::equals(total.width(), previewWidth)
        || !OutsideUtilities::MathTools::equals(total.height(), previewHeight))
        scale = qMin(previewWidth, previewHeight) / qMax(total.width(), total.height());
    const qreal dx = previewWidth / 2 - (total.x() + total.width() / 2) * scale;
    const qreal dy = previewHeight / 2 - (total.y() + total.height() / 2) * scale;
    const auto place = [&](const QRectF& rect) {
        return QRectF(rect.x() * scale + dx, rect.y() * scale + dy, rect.width() * scale, rect.height() * scale);
    };

    Skin skin;
    skin.folderName = folderName;
    skin.name = name;
    skin.bounds = QRectF(0, 0, previewWidth, previewHeight);
    skin.preview = QPixmap(m_previewSize);
    skin.preview.fill(Qt::transparent);
    {
        QPainter painter(&skin.preview);
        for (const auto& [id, bounds] : std::as_const(elements))
            renderer->render(&painter, id, place(bounds));
        for (int i = 0; i < systems.size(); ++i) {
            QSvgRenderer* system = systems.at(i);
            const QString placeholderId = SYSTEM_ELEMENT_PLACEHOLDER_NAME.arg(i + 1);
            if (!system || !system->isValid() || !system->elementExists(SYSTEM_ELEMENT_NAME)
                || !renderer->elementExists(placeholderId))
                continue;
            const QRectF placeholder = SvgControl::boundsOnElement(placeholderId, renderer);
            const QRectF icon = SvgControl::boundsOnElement(SYSTEM_ELEMENT_NAME, system);
            const QRectF centred(placeholder.x() + (placeholder.width() - icon.width()) / 2,
                                 placeholder.y() + (placeholder.height() - icon.height()) / 2, icon.width(),
                                 icon.height());
            system->render(&painter, SYSTEM_ELEMENT_NAME, place(centred));
        }
    }
    skin.reflection = reflectionOf(skin.preview);

    m_skins.append(skin);
    m_maxBounds = m_maxBounds.united(skin.bounds);
    if (m_currentIndex < 0)
        setSkin(0);
}

QPixmap SkinPreview::reflectionOf(const QPixmap& preview) const
{
    QPixmap reflection = preview.transformed(QTransform().scale(1, -1), Qt::FastTransformation);
    QPixmap mask(reflection.size());
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setOpacity(0.5);
        QLinearGradient fade(0, 0, 0, mask.height());
        fade.setColorAt(0.0, QColor(255, 255, 255, 255));
        fade.setColorAt(0.28, QColor(255, 255, 255, 122));
        fade.setColorAt(0.48, QColor(255, 255, 255, 34));
        fade.setColorAt(0.66, QColor(255, 255, 255, 0));
        fade.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.fillRect(mask.rect(), fade);
    }
    // The picture's own alpha is multiplied with the mask's.
    QPainter painter(&reflection);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawPixmap(0, 0, mask);
    painter.end();
    return reflection;
}

void SkinPreview::setSkinName(int index, const QString& name)
{
    if (index < 0 || index >= m_skins.size())
        return;
    m_skins[index].name = name;
}

QString SkinPreview::skinName() const
{
    if (m_currentIndex < 0 || m_currentIndex >= m_skins.size())
        return QString();
    return m_skins.at(m_currentIndex).name;
}

QString SkinPreview::skinFolderName() const
{
    if (m_currentIndex < 0 || m_currentIndex >= m_skins.size())
        return QString();
    const QString folderName = m_skins.at(m_currentIndex).folderName;
    return folderName == ThemeProvider::DefaultThemeFolder ? QString() : folderName;
}

int SkinPreview::findSkin(const QString& folderName) const
{
    if (m_skins.isEmpty())
        return -1;
    if (folderName.isEmpty() || folderName == ThemeProvider::DefaultThemeFolder)
        return 0;
    for (int i = 0; i < m_skins.size(); ++i) {
        if (m_skins.at(i).folderName == folderName)
            return i;
    }
    return -1;
}

bool SkinPreview::skinExists(const QString& folderName) const
{
    return findSkin(folderName) >= 0;
}

void SkinPreview::setSkin(QString folderName)
{
    const int index = findSkin(folderName);
    if (index != -1)
        setSkin(index);
}

void SkinPreview::setSkin(int index)
{
    if (index < 0 || index >= m_skins.size() || index == m_currentIndex)
        return;
    m_currentIndex = index;
    onCurrentSkinChanged();
}

void SkinPreview::previousSkin()
{
    if (m_skins.size() < 2)
        return;
    m_currentIndex = (m_currentIndex - 1 + int(m_skins.size())) % int(m_skins.size());
    onCurrentSkinChanged();
}

void SkinPreview::nextSkin()
{
    if (m_skins.size() < 2)
        return;
    m_currentIndex = (m_currentIndex + 1) % int(m_skins.size());
    onCurrentSkinChanged();
}

void SkinPreview::onCurrentSkinChanged()
{
    calcDrawOrigin();
    update();
    const QString folderName = skinFolderName();
    Logger(Logger::Trace) << "Skin changed to: \""
                          << (folderName.isEmpty() ? OutsideUtilities::Globals::defaultSkinName() : folderName)
                          << "\"";
    emit skinChanged(folderName);
    emit skinChangedName(skinName());
}

void SkinPreview::calcDrawOrigin()
{
    if (m_currentIndex < 0 || m_currentIndex >= m_skins.size())
        return;
    const QRectF bounds = m_skins.at(m_currentIndex).bounds;
    m_drawOrigin = QPointF(m_maxBounds.x() + m_maxBounds.width() / 2 - (bounds.x() + bounds.width() / 2),
                           m_maxBounds.y() + m_maxBounds.height() / 2 - (bounds.y() + bounds.height() / 2));
}

void SkinPreview::calcMaxBounds()
{
    m_maxBounds = QRectF();
    for (const Skin& skin : std::as_const(m_skins))
        m_maxBounds = m_maxBounds.united(skin.bounds);
    calcDrawOrigin();
}

void SkinPreview::setPreviewSize(const QSize& size)
{
    if (size.width() < 0 || size.height() < 0)
        return;
    m_previewSize = size;
}

void SkinPreview::setHasMirrorReflection(bool hasMirrorReflection)
{
    m_hasMirrorReflection = hasMirrorReflection;
    resize(sizeHint());
    update();
}

QSize SkinPreview::sizeHintCustom(bool withReflection) const
{
    const int width = qRound(m_maxBounds.width());
    const int height = qRound(m_maxBounds.height());
    return QSize(width, withReflection ? 2 * height + REFLECTION_GAP : height);
}

QSize SkinPreview::sizeHint() const
{
    return sizeHintCustom(m_hasMirrorReflection);
}

QSize SkinPreview::minimumSizeHint() const
{
    return sizeHintCustom(false);
}

void SkinPreview::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_currentIndex < 0 || m_currentIndex >= m_skins.size())
        return;
    const Skin& skin = m_skins.at(m_currentIndex);
    QPainter painter(this);
    painter.drawPixmap(m_drawOrigin, skin.preview);
    if (m_hasMirrorReflection)
        painter.drawPixmap(QPointF(m_drawOrigin.x(), m_drawOrigin.y() + m_maxBounds.height() + REFLECTION_GAP),
                           skin.reflection);
}

void SkinPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_skins.isEmpty())
        return;
    calcDrawOrigin();
    setMinimumSize(minimumSizeHint());
}

} // namespace Corvane::Gadgets
