#pragma once

#include <QWidget>

class QLabel;

namespace Corvane::Gadgets {

class CustomPushButton;
class SkinPreview;

// Browses the skins of a SkinPreview with previous/next arrows, showing the
// skin's name and its position among all skins ("2/3"). It reports the
// chosen skin by its folder name (empty for the built-in theme) and applies
// nothing itself. Skins that could not be applied are not offered: a line
// below the name says which, and its tooltip (and the counter's) why.
class SkinBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit SkinBrowser(QWidget* parent = nullptr);

    void addSkins(const QString& folder);
    void addSkin(const QString& name, const QString& path);
    bool skinExists(const QString& folderName) const;
    QSize previewSize() const;
    void setPreviewSize(const QSize& size);
    QString skin() const;
    void retranslateUi();

    SkinPreview* preview() const { return m_preview; }
    QLabel* numberLabel() const { return m_numberLabel; }
    QLabel* nameLabel() const { return m_nameLabel; }
    // Names the skins of the folder that are not offered; hidden when all are.
    QLabel* problemLabel() const { return m_problemLabel; }
    CustomPushButton* previousButton() const { return m_previousButton; }
    CustomPushButton* nextButton() const { return m_nextButton; }

public slots:
    void setSkin(QString folderName);
    void previousSkin();
    void nextSkin();

signals:
    void skinChanged(QString folderName);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void generateSetSkinNumberText();

private:
    void showRejectedSkins();

    QLabel* m_numberLabel = nullptr;
    CustomPushButton* m_previousButton = nullptr;
    SkinPreview* m_preview = nullptr;
    CustomPushButton* m_nextButton = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_problemLabel = nullptr;
};

} // namespace Corvane::Gadgets
