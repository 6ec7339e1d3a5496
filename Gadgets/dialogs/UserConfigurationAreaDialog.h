#pragma once

#include "widgets/TemperatureUnit.h"
#include "windows/BaseWindow.h"

#include "utilities/Localization/LocaleData.h"

#include <QList>
#include <QSizeF>

class QLabel;
class QLineEdit;
class QScrollArea;
class QSlider;

namespace Corvane::Gadgets {

class BoolComboBox;
class ComboBox;
class CustomScrollBar;
class PushButton;
class SkinBrowser;
class SliderControl;
class TemperatureUnitComboBox;

// The window in which the user changes the gadget's personal settings:
// project file, language, size, transparency, label and home-page time-outs,
// temperature unit, launch at startup and skin.
//
// The dialog stores nothing. Its owner fills it, may preview the changes it
// signals live, and reads the values back when dialogClosed() arrives with
// `cancelled` false. Every successful setter call also becomes the value to
// restore: closing the dialog in any other way than with OK sets every
// setting back to it and emits its change signal again, so that previews
// are undone.
class UserConfigurationAreaDialog : public BaseWindow
{
    Q_OBJECT

public:
    static const QSizeF DIALOG_SIZE;

    explicit UserConfigurationAreaDialog(QWidget* parent = nullptr);

    bool setProjectFilePath(const QString& path);
    void setIsInDemoMode(bool demoMode);
    void setFullScreenMode(bool fullScreen);
    // Without translucent windows the transparency cannot show: its slider
    // is then disabled, with a hint why.
    void setTransparencyAvailable(bool available);
    void loadSkins(const QString& folder);
    void adjustComboboxesToTheWidestOne();

    QString language() const;
    int dimension() const;
    int transparency() const;
    int hideLabelsTimeout() const;
    int goHomepageTimeout() const;
    TemperatureUnit temperatureUnit() const;
    QString skin() const;
    bool launchAtStartup() const;
    QString projectFilePath() const { return m_projectFilePath; }

    void retranslateUi();
    // false: the current values become the restore values; true: every value
    // that differs from its restore value is set back through its setter.
    void saveDataToUI(bool restore);

    // True until the dialog is closed with OK.
    bool cancelled = true;

public slots:
    void setLanguage(const QString& language, const QList<Corvane::Utilities::Localization::LocaleData>& locales);
    void setDimension(int dimension);
    void setTransparency(int transparency);
    void setHideLabelsTimeout(int seconds);
    void setGoHomepageTimeout(int seconds);
    void setTemperatureUnit(Corvane::Gadgets::TemperatureUnit unit);
    void setSkin(const QString& folderName);
    void setLaunchAtStartup(bool launch);

signals:
    void chooseInstallationConfigurationFile();
    void reloadDefault();
    void languageChanged(QString language);
    void dimensionChanged(int dimension);
    void transparencyChanged(int transparency);
    void hideLabelsTimeoutChanged(int seconds);
    void goHomepageTimeoutChanged(int seconds);
    void skinChanged(QString folderName);
    void temperatureUnitChanged(Corvane::Gadgets::TemperatureUnit unit);
    void launchAtStartupChanged(bool launch);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onLanguageIndexChanged(int index);
    void onHideLabelsTimeoutChanged(int index);
    void onGoHomepageTimeoutChanged(int index);
    void setPreferencesSliderRange(int min, int max);
    void onOkButtonHit();
    void onCancelButtonHit();

private:
    void initializeComponents();
    QWidget* buildPreferences();
    void connectComponents();
    void manageSliderVisibility();
    void fitPreferencesWidth();
    bool setSliderValue(QSlider* slider, int value);
    void retranslateTransparencyHint();

    PushButton* m_browseButton = nullptr;
    PushButton* m_reloadButton = nullptr;
    ComboBox* m_languageChoice = nullptr;
    SliderControl* m_dimensionSlider = nullptr;
    SliderControl* m_transparencySlider = nullptr;
    ComboBox* m_hideLabelsChoice = nullptr;
    ComboBox* m_goHomepageChoice = nullptr;
    TemperatureUnitComboBox* m_temperatureUnitChoice = nullptr;
    BoolComboBox* m_launchAtStartupChoice = nullptr;
    QWidget* m_preferencesContainer = nullptr;
    QScrollArea* m_preferencesScrollArea = nullptr;
    CustomScrollBar* m_preferencesScrollBar = nullptr;
    SkinBrowser* m_skinBrowser = nullptr;
    PushButton* m_okButton = nullptr;
    PushButton* m_cancelButton = nullptr;
    QLabel* m_preferencesCaption = nullptr;
    QLabel* m_projectCaption = nullptr;
    QLineEdit* m_projectFilePathField = nullptr;
    QLabel* m_languageCaption = nullptr;
    QLabel* m_dimensionCaption = nullptr;
    QLabel* m_transparencyCaption = nullptr;
    QLabel* m_hideLabelsCaption = nullptr;
    QLabel* m_goHomepageCaption = nullptr;
    QLabel* m_temperatureCaption = nullptr;
    QLabel* m_launchCaption = nullptr;
    QLabel* m_skinCaption = nullptr;

    QString m_restoreLanguage;
    int m_restoreDimension = 0;
    int m_restoreTransparency = 0;
    int m_restoreHideLabelsTimeout = -1;
    int m_restoreGoHomepageTimeout = -1;
    TemperatureUnit m_restoreTemperatureUnit = Celsius;
    QString m_restoreSkin;
    QString m_projectFilePath;
    bool m_demoMode = false;
    bool m_fullScreen = false;
    bool m_transparencyAvailable = true;
    QList<ComboBox*> m_comboBoxes;
};

} // namespace Corvane::Gadgets
