#pragma once

#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QStringList>
#include <QWidget>

class QSvgRenderer;

namespace Corvane::Gadgets {

// The skins the user can choose: the built-in theme first, then the skin
// zips of a folder. Each skin gets, once, a small picture of the carousel
// drawn from its own files, with a faded mirror image below it; the widget
// shows the picture of the current skin.
//
// Only skins that can really be applied are listed: a zip that lacks a file
// of the built-in theme would be replaced by the built-in theme when
// applied, so it is left out, logged, and named in rejectedSkins().
class SkinPreview : public QWidget
{
    Q_OBJECT

public:
    struct Skin
    {
        QString folderName;
        QString name;
        QRectF bounds;
        QPixmap preview;
        QPixmap reflection;
    };

    static const QString SKIN_FILE_NAME;
    static const QString SKIN_FILE_EXTENSION;
    static const QString SKIN_CONTAINER_EXTENSION;
    static const QSize SIZE_PREVIEW_DEFAULT;
    static const QString SKIN_NAME_KEY;
    static const QStringList SKIN_SVG_ELEMENTS_IDS;
    static QStringList SYSTEMS;
    static const QString SYSTEM_ELEMENT_NAME;
    static const QString SYSTEM_ELEMENT_PLACEHOLDER_NAME;

    explicit SkinPreview(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    // Adds every skin zip of folder, in name order.
    void addSkins(const QString& folder);
    void addSkin(const QString& name, const QString& path);
    void addSkin(const QString& name, const QString& folderName, QSvgRenderer* renderer,
                 const QList<QSvgRenderer*>& systems);

    void setSkinName(int index, const QString& name);
    QString skinName() const;
    // Empty for the built-in theme.
    QString skinFolderName() const;
    int findSkin(const QString& folderName) const;
    bool skinExists(const QString& folderName) const;
    int skinCount() const { return int(m_skins.size()); }
    int currentIndex() const { return m_currentIndex; }
    // One line per skin file that was not listed, saying why.
    QStringList rejectedSkins() const { return m_rejectedSkins; }
    // The file names of those skins, in the same order.
    QStringList rejectedSkinFiles() const { return m_rejectedSkinFiles; }

    QSize previewSize() const { return m_previewSize; }
    void setPreviewSize(const QSize& size);
    bool hasMirrorReflection() const { return m_hasMirrorReflection; }
    void setHasMirrorReflection(bool hasMirrorReflection);
    void calcMaxBounds();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setSkin(QString folderName);
    void setSkin(int index);
    void previousSkin();
    void nextSkin();

signals:
    void skinChanged(QString folderName);
    void skinChangedName(QString name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool acceptsSkinPath(const QString& path);
    QSize sizeHintCustom(bool withReflection) const;
    void calcDrawOrigin();
    void onCurrentSkinChanged();
    QPixmap reflectionOf(const QPixmap& preview) const;

    QList<Skin> m_skins;
    int m_currentIndex = -1;
    QRectF m_maxBounds;
    QSize m_previewSize = SIZE_PREVIEW_DEFAULT;
    QPointF m_drawOrigin;
    bool m_hasMirrorReflection = true;
    QStringList m_rejectedSkins;
    QStringList m_rejectedSkinFiles;
};

} // namespace Corvane::Gadgets
