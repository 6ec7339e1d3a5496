#include "dialogs/SkinBrowser.h"

#include "dialogs/SkinPreview.h"
#include "theme/ThemeProvider.h"
#include "theme/ThemeSettings.h"
#include "widgets/CustomPushButton.h"

#include "utilities/Globals.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>

namespace Corvane::Gadgets {

namespace {

CustomPushButton* arrowButton(const QString& rendererName, const QString& objectName, QWidget* parent)
{
    QPixmap picture;
    ThemeProvider::renderElement(picture, rendererName, QString());
    auto* button = new CustomPushButton(QIcon(picture), QString(), parent);
    button->setIconSize(picture.size());
    button->setFlat(true);
    button->setObjectName(objectName);
    return button;
}

QLabel* namedLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
}

// The built-in theme is listed under the name its theme.ini gives, as the
// skins are, so that it is told apart from an installed skin; "Default"
// when it names none.
QString builtInSkinName()
{
    const auto settings = ThemeProvider::createThemeIniFile(QString());
    const QString name = settings ? settings->value(SkinPreview::SKIN_NAME_KEY).toString() : QString();
    return name.isEmpty() ? Corvane::Utilities::Globals::defaultSkinName() : name;
}

} // namespace

SkinBrowser::SkinBrowser(QWidget* parent)
    : QWidget(parent)
{
    m_numberLabel = namedLabel(QStringLiteral("skinNumber"), this);
    m_previousButton = arrowButton(ThemeProvider::LEFT_ARROW, QStringLiteral("skinPrevious"), this);
    m_preview = new SkinPreview(this);
    m_preview->setObjectName(QStringLiteral("skinPreview"));
    m_nextButton = arrowButton(ThemeProvider::RIGHT_ARROW, QStringLiteral("skinNext"), this);
    m_nameLabel = namedLabel(QStringLiteral("skinName"), this);
    m_problemLabel = namedLabel(QStringLiteral("skinProblems"), this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_numberLabel, 0, 0, 1, 3, Qt::AlignCenter);
    layout->addWidget(m_previousButton, 1, 0, Qt::AlignCenter);
    layout->addWidget(m_preview, 1, 1, Qt::AlignCenter);
    layout->addWidget(m_nextButton, 1, 2, Qt::AlignCenter);
    layout->addWidget(m_nameLabel, 2, 0, 1, 3, Qt::AlignCenter);
    layout->addWidget(m_problemLabel, 3, 0, 1, 3, Qt::AlignCenter);

    connect(m_previousButton, &QPushButton::clicked, m_preview, &SkinPreview::previousSkin);
    connect(m_nextButton, &QPushButton::clicked, m_preview, &SkinPreview::nextSkin);
    connect(m_preview, &SkinPreview::skinChangedName, m_nameLabel, &QLabel::setText);
    connect(m_preview, &SkinPreview::skinChanged, this, &SkinBrowser::skinChanged);
    connect(m_preview, &SkinPreview::skinChanged, this, &SkinBrowser::generateSetSkinNumberText);

    setObjectName(QStringLiteral("skinBrowser"));
    retranslateUi();
    setLayoutDirection(Qt::LeftToRight);
    showRejectedSkins();
}

void SkinBrowser::addSkins(const QString& folder)
{
    m_preview->addSkins(folder);
    generateSetSkinNumberText();
    showRejectedSkins();
}

void SkinBrowser::addSkin(const QString& name, const QString& path)
{
    m_preview->addSkin(name, path);
    showRejectedSkins();
}

bool SkinBrowser::skinExists(const QString& folderName) const
{
    return m_preview->skinExists(folderName);
}

QSize SkinBrowser::previewSize() const
{
    return m_preview->previewSize();
}

void SkinBrowser::setPreviewSize(const QSize& size)
{
    m_preview->setPreviewSize(size);
}

QString SkinBrowser::skin() const
{
    return m_preview->skinFolderName();
}

void SkinBrowser::setSkin(QString folderName)
{
    m_preview->setSkin(folderName);
}

void SkinBrowser::previousSkin()
{
    m_preview->previousSkin();
}

void SkinBrowser::nextSkin()
{
    m_preview->nextSkin();
    if (m_nameLabel->text() != m_preview->skinName())
        m_nameLabel->setText(m_preview->skinName());
}

void SkinBrowser::retranslateUi()
{
    const QString name = builtInSkinName();
    m_preview->setSkinName(0, name);
    if (m_preview->currentIndex() == 0)
        m_nameLabel->setText(name);
}

void SkinBrowser::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void SkinBrowser::generateSetSkinNumberText()
{
    m_numberLabel->setText(QStringLiteral("%1/%2").arg(m_preview->currentIndex() + 1).arg(m_preview->skinCount()));
}

// Skins left out because they could not be applied are named where the user
// looks for them, below the name, with the reasons on the counter, the name
// and that line.
void SkinBrowser::showRejectedSkins()
{
    const QStringList rejected = m_preview->rejectedSkins();
    const QString tip = rejected.isEmpty()
                            ? QString()
                            : QCoreApplication::translate("Corvane::Gadgets::SkinBrowser",
                                                          "Skins not offered:")
                                  + u'\n' + rejected.join(u'\n');
    m_numberLabel->setToolTip(tip);
    m_nameLabel->setToolTip(tip);
    m_problemLabel->setToolTip(tip);
    m_problemLabel->setText(rejected.isEmpty() ? QString()
                                               : QCoreApplication::translate("Corvane::Gadgets::SkinBrowser",
                                                                             "Not offered: %1")
                                                     .arg(m_preview->rejectedSkinFiles().join(QStringLiteral(", "))));
    m_problemLabel->setVisible(!rejected.isEmpty());
}

} // namespace Corvane::Gadgets
