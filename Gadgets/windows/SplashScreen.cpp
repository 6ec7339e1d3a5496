#include "windows/SplashScreen.h"

#include "utilities/Globals.h"
#include "utilities/InitSettings.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPropertyAnimation>

namespace Corvane::Gadgets {

namespace {

constexpr int TALVERA_COMPANY = 2;
constexpr int TEXT_MARGIN = 20;

struct CompanyStyle
{
    QColor accent;
    QString notice;
    int nameSize;
};

CompanyStyle companyStyle()
{
    if (Corvane::Utilities::Globals::company() == TALVERA_COMPANY)
        return {QColor(QStringLiteral("#ED1C24")),
                QCoreApplication::translate("Corvane::Gadgets::SplashScreen",
                                            "Copyright Talvera. All rights reserved."),
                32};
    return {QColor(QStringLiteral("#F26E20")),
            QCoreApplication::translate("Corvane::Gadgets::SplashScreen", "Copyright Corvane. All rights reserved."),
            40};
}

// Draws text so that it ends at x.
void drawRightAligned(QPainter* painter, int x, int baseline, const QString& text)
{
    painter->drawText(QPoint(x - painter->fontMetrics().boundingRect(text).width(), baseline), text);
}

} // namespace

SplashScreen::SplashScreen(QWidget* parent)
    : QSplashScreen(QPixmap(Corvane::Utilities::InitSettings::splashImageFile()))
{
    if (parent)
        setParent(parent, windowFlags());
    m_fadeAnimation = new QPropertyAnimation(this, "windowOpacity", this);
    m_fadeAnimation->setStartValue(1.0);
    m_fadeAnimation->setEndValue(0.4);
    connect(m_fadeAnimation, &QPropertyAnimation::finished, this, &SplashScreen::onFadedOut);
    showMessage(QStringLiteral("a"), Qt::AlignLeft, Qt::black);
}

void SplashScreen::fade(int milliseconds)
{
    m_fadeAnimation->setDuration(milliseconds);
    m_fadeAnimation->start();
}

void SplashScreen::onFadedOut()
{
    close();
    emit closed();
}

QPair<QString, QString> SplashScreen::versionTexts(const QString& version)
{
    const QStringList parts = version.split(u'.', Qt::KeepEmptyParts);
    if (parts.size() <= 2)
        return {};
    return {QStringLiteral("Version ") + parts.at(0) + u'.' + parts.at(1), QStringLiteral("Build ") + parts.at(2)};
}

void SplashScreen::drawContents(QPainter* painter)
{
    const int width = this->width();
    const int height = this->height();
    const CompanyStyle style = companyStyle();
    const auto [versionText, buildText] = versionTexts(QCoreApplication::applicationVersion());

    painter->drawPixmap(30, 11, QPixmap(QStringLiteral(":/Images/gadget_configuratore.png")));

    painter->save();
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPixelSize(style.nameSize);
    painter->setFont(nameFont);
    painter->setPen(Qt::white);
    painter->drawText(QPoint(TEXT_MARGIN, pixmap().height() - 75), QCoreApplication::applicationName());
    painter->restore();

    painter->save();
    painter->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    painter->setPen(style.accent);
    painter->drawText(QPoint(TEXT_MARGIN, height - 40), versionText);
    painter->drawText(QPoint(TEXT_MARGIN, height - 25), buildText);
    painter->restore();

    painter->save();
    painter->setFont(QFont(QStringLiteral("Verdana"), 7));
    painter->setPen(QColor(QStringLiteral("#CFCFCF")));
    drawRightAligned(painter, width - TEXT_MARGIN, height - 164, style.notice);
    painter->restore();

    painter->save();
    painter->setFont(QFont(QStringLiteral("Verdana"), 8));
    painter->setPen(QColor(QStringLiteral("#FFFFFF")));
    drawRightAligned(painter, width - TEXT_MARGIN, height - 40, QStringLiteral("Vantrel"));
    drawRightAligned(painter, width - TEXT_MARGIN, height - 25, QStringLiteral("Configuration Software"));
    painter->restore();
}

} // namespace Corvane::Gadgets
