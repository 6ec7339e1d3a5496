#pragma once

#include <QSplashScreen>

class QPropertyAnimation;

namespace Corvane::Gadgets {

// The start-up picture of a program with its name, version, build, product
// name and company notice painted over it. fade() lowers its opacity and
// then closes it, reporting closed().
class SplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    explicit SplashScreen(QWidget* parent = nullptr);

    void fade(int milliseconds);

    // "Version <major>.<minor>" and "Build <n>" of a version with at least
    // three parts; two empty texts otherwise.
    static QPair<QString, QString> versionTexts(const QString& version);

signals:
    void closed();

protected:
    void drawContents(QPainter* painter) override;

private slots:
    void onFadedOut();

private:
    QPropertyAnimation* m_fadeAnimation = nullptr;
};

} // namespace Corvane::Gadgets
