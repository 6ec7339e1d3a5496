#include "dialogs/UserConfigurationAreaDialog.h"

#include "dialogs/SkinBrowser.h"
#include "scroll/CustomScrollBar.h"
#include "theme/ThemeProvider.h"
#include "widgets/BoolComboBox.h"
#include "widgets/ComboBox.h"
#include "widgets/PushButton.h"
#include "widgets/Slider.h"
#include "widgets/SliderControl.h"
#include "widgets/TemperatureUnitComboBox.h"
#include "windows/CustomTitleBar.h"

#include "log/Logger.h"
#include "utilities/PathProvider.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace Corvane::Gadgets {

using Log::Logger;
using Corvane::Utilities::PathProvider;

const QSizeF UserConfigurationAreaDialog::DIALOG_SIZE = QSizeF(750, 540);

namespace {

constexpr int PREFERENCES_ROWS = 10;
constexpr int PREFERENCES_ROW_HEIGHT = 32;
constexpr int COMBO_WIDTH_MARGIN = 13;
constexpr int SCROLL_STEPS_PER_RANGE = 5;
const QList<int> HIDE_LABELS_SECONDS = {-1, 3, 5, 10, 20, 30};
const QList<int> GO_HOMEPAGE_SECONDS = {-1, 3, 5, 10, 20, 30, 60, 120};
const Qt::Alignment LEFT = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment RIGHT = Qt::AlignRight | Qt::AlignVCenter;

// A choice of time-outs in seconds, a negative one shown as "Never".
ComboBox* secondsChoice(const QString& objectName, const QList<int>& choices, QWidget* parent)
{
    auto* choice = new ComboBox(parent);
    choice->setObjectName(objectName);
    for (int seconds : choices)
        choice->addItem(seconds < 0 ? QStringLiteral("Never") : QString::number(seconds), seconds);
    return choice;
}

QLabel* caption(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
}

void logChange(const char* what, const QString& value)
{
    Logger(Logger::Trace) << "User Configuration, " << what << " changed to: \"" << value << "\"";
}

} // namespace

UserConfigurationAreaDialog::UserConfigurationAreaDialog(QWidget* parent)
    : BaseWindow(parent)
{
    initializeComponents();
    saveDataToUI(false);
    QString styleSheet;
    if (ThemeProvider::fileContentsToString(QStringLiteral("userConfigurationAreaDialog.qss"), styleSheet))
        setStyleSheet(styleSheet);
    retranslateUi();
}

void UserConfigurationAreaDialog::initializeComponents()
{
    setObjectName(QStringLiteral("mainConfigWindow"));
    setWindowModality(Qt::ApplicationModal);
    setMinimumSize(qRound(DIALOG_SIZE.width()), qRound(DIALOG_SIZE.height()));
    titleBar()->setTitleBarButtonsConfig(CustomTitleBar::MaximizeRestoreButton | CustomTitleBar::CloseButton);

    QWidget* content = contentWidget();
    m_browseButton = new PushButton(QString(), ThemeProvider::BUTTON_USERCONFIGURATION, content);
    m_browseButton->setObjectName(QStringLiteral("browse"));
    m_reloadButton = new PushButton(QString(), ThemeProvider::BUTTON_USERCONFIGURATION, content);
    m_reloadButton->setObjectName(QStringLiteral("reload"));
    m_languageChoice = new ComboBox(content);
    m_languageChoice->setObjectName(QStringLiteral("changeLanguageChoice"));
    m_dimensionSlider = new SliderControl(content);
    m_dimensionSlider->setObjectName(QStringLiteral("sliderDimension"));
    m_transparencySlider = new SliderControl(content);
    m_transparencySlider->setObjectName(QStringLiteral("sliderTransparency"));
    m_hideLabelsChoice = secondsChoice(QStringLiteral("hideLabelsChoice"), HIDE_LABELS_SECONDS, content);
    m_goHomepageChoice = secondsChoice(QStringLiteral("goHomepageChoice"), GO_HOMEPAGE_SECONDS, content);
    m_temperatureUnitChoice = new TemperatureUnitComboBox(content);
    m_temperatureUnitChoice->setObjectName(QStringLiteral("temperatureUnitChoice"));
    m_launchAtStartupChoice = new BoolComboBox(content);
    m_launchAtStartupChoice->setObjectName(QStringLiteral("launchAtStartupChoice"));
    m_comboBoxes = {m_languageChoice, m_hideLabelsChoice, m_goHomepageChoice, m_temperatureUnitChoice,
                    m_launchAtStartupChoice};
    for (ComboBox* choice : std::as_const(m_comboBoxes)) {
        choice->ignoreWheel = true;
        choice->setMaxVisibleItems(choice->count());
    }
    for (SliderControl* control : {m_dimensionSlider, m_transparencySlider}) {
        control->slider()->ignoreWheel = true;
        control->slider()->setRange(0, 100);
        control->minValueLabel()->setAlignment(Qt::AlignCenter);
        control->maxValueLabel()->setAlignment(Qt::AlignCenter);
    }

    m_preferencesCaption = caption(QStringLiteral("preferences"), content);
    m_projectCaption = caption(QStringLiteral("openProject"), content);
    m_projectFilePathField = new QLineEdit(content);
    m_projectFilePathField->setObjectName(QStringLiteral("projectFilePath"));
    m_projectFilePathField->setReadOnly(true);
    m_projectFilePathField->setFrame(false);
    m_projectFilePathField->setContextMenuPolicy(Qt::NoContextMenu);
    m_languageCaption = caption(QStringLiteral("changeLanguage"), content);
    m_dimensionCaption = caption(QStringLiteral("widgetDimension"), content);
    m_transparencyCaption = caption(QStringLiteral("widgetTransparency"), content);
    m_hideLabelsCaption = caption(QStringLiteral("hideLabels"), content);
    m_goHomepageCaption = caption(QStringLiteral("goHomepage"), content);
    m_temperatureCaption = caption(QStringLiteral("temperatureUnit"), content);
    m_launchCaption = caption(QStringLiteral("launchAtStartup"), content);
    m_skinCaption = caption(QStringLiteral("changeSkin"), content);

    m_preferencesContainer = buildPreferences();
    m_preferencesScrollArea = new QScrollArea(content);
    m_preferencesScrollArea->setObjectName(QStringLiteral("preferencesScrollArea"));
    m_preferencesScrollArea->setWidgetResizable(true);
    m_preferencesScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_preferencesScrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_preferencesScrollArea->setWidget(m_preferencesContainer);
    m_preferencesScrollBar = new CustomScrollBar(Qt::Vertical, content);
    m_preferencesScrollBar->setObjectName(QStringLiteral("sliderPreferences"));
    m_skinBrowser = new SkinBrowser(content);
    m_okButton = new PushButton(QString(), ThemeProvider::BUTTON_USERCONFIGURATION, content);
    m_okButton->setObjectName(QStringLiteral("ok"));
    m_cancelButton = new PushButton(QString(), ThemeProvider::BUTTON_USERCONFIGURATION, content);
    m_cancelButton->setObjectName(QStringLiteral("cancel"));

    auto* separator = new QLabel(content);
    separator->setObjectName(QStringLiteral("separator"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    QGridLayout* layout = contentLayout();
    layout->setObjectName(QStringLiteral("mainLayout"));
    layout->setRowStretch(0, 20);
    layout->setRowStretch(1, 212);
    layout->setRowStretch(2, 20);
    layout->addWidget(m_preferencesCaption, 0, 0, 1, 3, LEFT);
    layout->addWidget(m_preferencesScrollArea, 1, 0);
    layout->addWidget(m_preferencesScrollBar, 1, 1);
    layout->addWidget(separator, 1, 2);
    layout->addWidget(m_skinCaption, 0, 3, LEFT);
    layout->addWidget(m_skinBrowser, 1, 3, Qt::AlignCenter);
    layout->addLayout(buttons, 2, 3, RIGHT);

    connectComponents();
    setPreferencesSliderRange(m_preferencesScrollArea->verticalScrollBar()->minimum(),
                              m_preferencesScrollArea->verticalScrollBar()->maximum());
}

QWidget* UserConfigurationAreaDialog::buildPreferences()
{
    auto* container = new QWidget(contentWidget());
    container->setObjectName(QStringLiteral("preferencesContainer"));

    auto* project = new QGridLayout;
    project->setColumnStretch(0, 1);
    project->setColumnStretch(1, 2);
    project->setColumnStretch(2, 2);
    project->addWidget(m_projectCaption, 0, 0, LEFT);
    project->addWidget(m_projectFilePathField, 0, 1, 1, 2, Qt::AlignVCenter);
    project->addWidget(m_browseButton, 1, 1, LEFT);
    project->addWidget(m_reloadButton, 1, 2, RIGHT);

    auto* layout = new QGridLayout(container);
    layout->setObjectName(QStringLiteral("preferencesLayout"));
    for (int row = 0; row < PREFERENCES_ROWS; ++row) {
        layout->setRowMinimumHeight(row, PREFERENCES_ROW_HEIGHT);
        layout->setRowStretch(row, PREFERENCES_ROW_HEIGHT);
    }
    layout->addLayout(project, 0, 0, 1, 2);
    layout->addWidget(m_languageCaption, 1, 0, LEFT);
    layout->addWidget(m_languageChoice, 1, 1, RIGHT);
    layout->addWidget(m_dimensionCaption, 2, 0, 1, 2, LEFT);
    layout->addWidget(m_dimensionSlider, 3, 0, 1, 2);
    layout->addWidget(m_transparencyCaption, 4, 0, 1, 2, LEFT);
    layout->addWidget(m_transparencySlider, 5, 0, 1, 2);
    layout->addWidget(m_hideLabelsCaption, 6, 0, LEFT);
    layout->addWidget(m_hideLabelsChoice, 6, 1, RIGHT);
    layout->addWidget(m_goHomepageCaption, 7, 0, LEFT);
    layout->addWidget(m_goHomepageChoice, 7, 1, RIGHT);
    layout->addWidget(m_temperatureCaption, 8, 0, LEFT);
    layout->addWidget(m_temperatureUnitChoice, 8, 1, RIGHT);
    layout->addWidget(m_launchCaption, 9, 0, LEFT);
    layout->addWidget(m_launchAtStartupChoice, 9, 1, RIGHT);
    return container;
}

void UserConfigurationAreaDialog::connectComponents()
{
    QScrollBar* areaBar = m_preferencesScrollArea->verticalScrollBar();
    Slider* customBar = m_preferencesScrollBar->slider();
    connect(m_okButton, &QPushButton::clicked, this, &UserConfigurationAreaDialog::onOkButtonHit);
    connect(m_cancelButton, &QPushButton::clicked, this, &UserConfigurationAreaDialog::onCancelButtonHit);
    connect(m_browseButton, &QPushButton::clicked, this,
            &UserConfigurationAreaDialog::chooseInstallationConfigurationFile);
    connect(m_reloadButton, &QPushButton::clicked, this, &UserConfigurationAreaDialog::reloadDefault);
    connect(customBar, &QSlider::valueChanged, areaBar, &QScrollBar::setValue);
    connect(areaBar, &QScrollBar::valueChanged, customBar, &QSlider::setValue);
    connect(areaBar, &QScrollBar::rangeChanged, this, &UserConfigurationAreaDialog::setPreferencesSliderRange);
    connect(m_languageChoice, &QComboBox::currentIndexChanged, this,
            &UserConfigurationAreaDialog::onLanguageIndexChanged);
    connect(m_dimensionSlider->slider(), &QSlider::valueChanged, this, &UserConfigurationAreaDialog::dimensionChanged);
    connect(m_transparencySlider->slider(), &QSlider::valueChanged, this,
            &UserConfigurationAreaDialog::transparencyChanged);
    connect(m_hideLabelsChoice, &QComboBox::currentIndexChanged, this,
            &UserConfigurationAreaDialog::onHideLabelsTimeoutChanged);
    connect(m_goHomepageChoice, &QComboBox::currentIndexChanged, this,
            &UserConfigurationAreaDialog::onGoHomepageTimeoutChanged);
    connect(m_temperatureUnitChoice, &TemperatureUnitComboBox::temperatureUnitChanged, this,
            &UserConfigurationAreaDialog::temperatureUnitChanged);
    connect(m_skinBrowser, &SkinBrowser::skinChanged, this, &UserConfigurationAreaDialog::skinChanged);
}

void UserConfigurationAreaDialog::setLanguage(const QString& language,
                                              const QList<Corvane::Utilities::Localization::LocaleData>& locales)
{
    m_languageChoice->clear();
    if (!locales.isEmpty()) {
        for (const auto& locale : locales)
            m_languageChoice->addItem(locale.displayName(), locale.locale());
        m_languageChoice->setMaxVisibleItems(m_languageChoice->count());
    }
    const bool changed = m_languageChoice->setChoiceByData(language);
    if (language == this->language())
        m_restoreLanguage = language;
    if (!changed)
        return;
    retranslateUi();
    switchLayoutDirection(language);
    logChange("Language", language);
}

void UserConfigurationAreaDialog::setDimension(int dimension)
{
    if (!setSliderValue(m_dimensionSlider->slider(), dimension))
        return;
    // The slider's own change signal has reported the new value.
    logChange("Dimension", QString::number(dimension));
    m_restoreDimension = dimension;
}

void UserConfigurationAreaDialog::setTransparency(int transparency)
{
    if (!setSliderValue(m_transparencySlider->slider(), transparency))
        return;
    logChange("Transparency", QString::number(transparency));
    m_restoreTransparency = transparency;
}

void UserConfigurationAreaDialog::setHideLabelsTimeout(int seconds)
{
    // The choice's change has logged and reported the new value.
    if (m_hideLabelsChoice->setChoiceByData(seconds))
        m_restoreHideLabelsTimeout = seconds;
}

void UserConfigurationAreaDialog::setGoHomepageTimeout(int seconds)
{
    if (m_goHomepageChoice->setChoiceByData(seconds))
        m_restoreGoHomepageTimeout = seconds;
}

void UserConfigurationAreaDialog::setTemperatureUnit(TemperatureUnit unit)
{
    if (unit != Celsius && unit != Fahrenheit)
        return;
    m_restoreTemperatureUnit = unit;
    m_temperatureUnitChoice->setTemperatureUnit(unit);
}

void UserConfigurationAreaDialog::setSkin(const QString& folderName)
{
    m_skinBrowser->setSkin(folderName);
    // A skin the browser does not offer cannot be previewed, so the one it
    // shows is what a cancel returns to.
    m_restoreSkin = m_skinBrowser->skin();
}

void UserConfigurationAreaDialog::setLaunchAtStartup(bool launch)
{
    m_launchAtStartupChoice->setValue(launch);
}

bool UserConfigurationAreaDialog::setProjectFilePath(const QString& path)
{
    const bool isDefault = path.isEmpty() || path == PathProvider::configPrjFullName();
    const QString testedFile = isDefault ? PathProvider::configPrjFullName() : path;
    if (!QFileInfo::exists(testedFile))
        return false;

    m_projectFilePath = path;
    QString shown = path;
    if (isDefault)
        shown = QCoreApplication::translate("UserConfigurationAreaDialog", "Default");
    else if (path == PathProvider::demoProjectFullName())
        shown = QCoreApplication::translate("UserConfigurationAreaDialog", "Demo");
    m_projectFilePathField->setText(shown);
    const bool fits = m_projectFilePathField->width()
                      >= m_projectFilePathField->fontMetrics().boundingRect(shown).width();
    m_projectFilePathField->setToolTip(fits ? QString() : shown);
    return true;
}

void UserConfigurationAreaDialog::setIsInDemoMode(bool demoMode)
{
    if (demoMode == m_demoMode)
        return;
    m_demoMode = demoMode;
    m_browseButton->setEnabled(!demoMode);
    m_reloadButton->setEnabled(!demoMode);
    if (demoMode)
        setProjectFilePath(PathProvider::demoProjectFullName());
}

void UserConfigurationAreaDialog::setFullScreenMode(bool fullScreen)
{
    m_fullScreen = fullScreen;
    m_dimensionSlider->setEnabled(!fullScreen);
    m_transparencySlider->setEnabled(!fullScreen && m_transparencyAvailable);
}

void UserConfigurationAreaDialog::setTransparencyAvailable(bool available)
{
    m_transparencyAvailable = available;
    m_transparencySlider->setEnabled(!m_fullScreen && available);
    m_transparencyCaption->setEnabled(available);
    retranslateTransparencyHint();
}

void UserConfigurationAreaDialog::retranslateTransparencyHint()
{
    const QString hint = m_transparencyAvailable
                             ? QString()
                             : QCoreApplication::translate(
                                   "UserConfigurationAreaDialog",
                                   "Needs a desktop that shows translucent windows (a compositing manager)");
    m_transparencyCaption->setToolTip(hint);
    m_transparencySlider->setToolTip(hint);
}

void UserConfigurationAreaDialog::loadSkins(const QString& folder)
{
    m_skinBrowser->addSkins(folder);
}

void UserConfigurationAreaDialog::adjustComboboxesToTheWidestOne()
{
    if (m_comboBoxes.size() < 2)
        return;
    int widest = 0;
    for (ComboBox* choice : std::as_const(m_comboBoxes))
        widest = qMax(widest, choice->maxItemTextWidth());
    for (ComboBox* choice : std::as_const(m_comboBoxes))
        choice->setMinimumWidth(widest + COMBO_WIDTH_MARGIN);
    fitPreferencesWidth();
}

QString UserConfigurationAreaDialog::language() const
{
    return m_languageChoice->currentItemData().toString();
}

int UserConfigurationAreaDialog::dimension() const
{
    return m_dimensionSlider->slider()->value();
}

int UserConfigurationAreaDialog::transparency() const
{
    return m_transparencySlider->slider()->value();
}

int UserConfigurationAreaDialog::hideLabelsTimeout() const
{
    return m_hideLabelsChoice->currentItemData().toInt();
}

int UserConfigurationAreaDialog::goHomepageTimeout() const
{
    return m_goHomepageChoice->currentItemData().toInt();
}

TemperatureUnit UserConfigurationAreaDialog::temperatureUnit() const
{
    return m_temperatureUnitChoice->temperatureUnit();
}

QString UserConfigurationAreaDialog::skin() const
{
    return m_skinBrowser->skin();
}

bool UserConfigurationAreaDialog::launchAtStartup() const
{
    return m_launchAtStartupChoice->value();
}

void UserConfigurationAreaDialog::retranslateUi()
{
    const QString title = QCoreApplication::translate("UserConfigurationAreaDialog", "User configuration area");
    setWindowTitle(title);
    titleBar()->setTitle(title);
    m_preferencesCaption->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Preferences"));
    m_projectCaption->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Project:"));
    m_browseButton->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Browse..."));
    m_reloadButton->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Reload default"));
    m_languageCaption->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Change language"));
    m_dimensionCaption->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Gadget dimension"));
    for (SliderControl* control : {m_dimensionSlider, m_transparencySlider}) {
        control->minValueLabel()->setText(
            QCoreApplication::translate("UserConfigurationAreaDialog", "Min"));
        control->maxValueLabel()->setText(
            QCoreApplication::translate("UserConfigurationAreaDialog", "Max"));
    }
    m_transparencyCaption->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Gadget transparency"));
    retranslateTransparencyHint();
    m_hideLabelsCaption->setText(
        QCoreApplication::translate("UserConfigurationAreaDialog", "Hide labels after (sec.)"));
    m_goHomepageCaption->setText(
        QCoreApplication::translate("UserConfigurationAreaDialog", "Go homepage after (sec.)"));
    m_temperatureCaption->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Temperature unit"));
    m_launchCaption->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Launch at startup"));
    m_skinCaption->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Change skin"));
    m_okButton->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "OK"));
    m_cancelButton->setText(QCoreApplication::translate("UserConfigurationAreaDialog", "Cancel"));
    m_hideLabelsChoice->setItemText(0, QCoreApplication::translate("UserConfigurationAreaDialog", "Never"));
    m_goHomepageChoice->setItemText(0, QCoreApplication::translate("UserConfigurationAreaDialog", "Never"));
    m_temperatureUnitChoice->retranslateUi();
    m_launchAtStartupChoice->retranslateUi();
    setProjectFilePath(m_projectFilePath);
    fitPreferencesWidth();
}

void UserConfigurationAreaDialog::saveDataToUI(bool restore)
{
    if (!restore) {
        m_restoreLanguage = language();
        m_restoreDimension = dimension();
        m_restoreTransparency = transparency();
        m_restoreHideLabelsTimeout = hideLabelsTimeout();
        m_restoreGoHomepageTimeout = goHomepageTimeout();
        m_restoreTemperatureUnit = temperatureUnit();
        m_restoreSkin = skin();
        return;
    }
    if (language() != m_restoreLanguage)
        m_languageChoice->setChoiceByData(m_restoreLanguage);
    if (dimension() != m_restoreDimension)
        setDimension(m_restoreDimension);
    if (transparency() != m_restoreTransparency)
        setTransparency(m_restoreTransparency);
    if (hideLabelsTimeout() != m_restoreHideLabelsTimeout)
        setHideLabelsTimeout(m_restoreHideLabelsTimeout);
    if (goHomepageTimeout() != m_restoreGoHomepageTimeout)
        setGoHomepageTimeout(m_restoreGoHomepageTimeout);
    if (temperatureUnit() != m_restoreTemperatureUnit)
        setTemperatureUnit(m_restoreTemperatureUnit);
    if (skin() != m_restoreSkin)
        setSkin(m_restoreSkin);
}

void UserConfigurationAreaDialog::onLanguageIndexChanged(int)
{
    logChange("Language", language());
    emit languageChanged(language());
}

void UserConfigurationAreaDialog::onHideLabelsTimeoutChanged(int)
{
    logChange("Hide labels timeout", QString::number(hideLabelsTimeout()));
    emit hideLabelsTimeoutChanged(hideLabelsTimeout());
}

void UserConfigurationAreaDialog::onGoHomepageTimeoutChanged(int)
{
    logChange("Go homepage timeout", QString::number(goHomepageTimeout()));
    emit goHomepageTimeoutChanged(goHomepageTimeout());
}

void UserConfigurationAreaDialog::setPreferencesSliderRange(int min, int max)
{
    QScrollBar* areaBar = m_preferencesScrollArea->verticalScrollBar();
    Slider* customBar = m_preferencesScrollBar->slider();
    customBar->setRange(min, max);
    const int step = (max - min) / SCROLL_STEPS_PER_RANGE;
    areaBar->setSingleStep(step);
    customBar->setSingleStep(step);
    customBar->setPageStep(areaBar->pageStep());
}

void UserConfigurationAreaDialog::onOkButtonHit()
{
    cancelled = false;
    Logger(Logger::Trace) << "User Configuration Area Dialog changes accepted";
    close();
}

void UserConfigurationAreaDialog::onCancelButtonHit()
{
    cancelled = true;
    Logger(Logger::Trace) << "User Configuration Area Dialog changes canceled";
    close();
}

// The preferences scroll only up and down: their column is never narrower
// than its widest row, whatever the language's texts.
void UserConfigurationAreaDialog::fitPreferencesWidth()
{
    const int frame = 2 * m_preferencesScrollArea->frameWidth();
    m_preferencesScrollArea->setMinimumWidth(m_preferencesContainer->minimumSizeHint().width() + frame);
}

bool UserConfigurationAreaDialog::event(QEvent* event)
{
    const bool handled = BaseWindow::event(event);
    // Once the layouts have taken in a change, the dialog is at least as
    // large as its content needs (the column of long texts included).
    if (event->type() == QEvent::LayoutRequest) {
        const QSize least(qRound(DIALOG_SIZE.width()), qRound(DIALOG_SIZE.height()));
        setMinimumSize(least.expandedTo(minimumSizeHint()));
    }
    return handled;
}

void UserConfigurationAreaDialog::manageSliderVisibility()
{
    m_preferencesScrollBar->setVisible(m_preferencesContainer->height() > m_preferencesScrollArea->height());
}

bool UserConfigurationAreaDialog::setSliderValue(QSlider* slider, int value)
{
    if (value == slider->value() || value < slider->minimum() || value > slider->maximum())
        return false;
    slider->setValue(value);
    return true;
}

void UserConfigurationAreaDialog::resizeEvent(QResizeEvent* event)
{
    BaseWindow::resizeEvent(event);
    manageSliderVisibility();
}

void UserConfigurationAreaDialog::showEvent(QShowEvent* event)
{
    BaseWindow::showEvent(event);
    manageSliderVisibility();
}

void UserConfigurationAreaDialog::closeEvent(QCloseEvent* event)
{
    if (cancelled)
        saveDataToUI(true);
    BaseWindow::closeEvent(event);
}

} // namespace Corvane::Gadgets
