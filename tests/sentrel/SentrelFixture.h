#pragma once

#include "Application.h"
#include "MessageBoxes.h"
#include "Settings.h"

#include "devices/Configuration.h"
#include "devices/serialization/XmlSerializer.h"
#include "theme/ThemeProvider.h"
#include "utilities/PathProvider.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QUuid>

#include <memory>

// Boxes that are recorded instead of shown, answering with a set button.
class RecordingMessageBoxes : public Corvane::Sentrel::MessageBoxes
{
public:
    QMessageBox::StandardButton critical(QWidget*, const QString&, const QString& text) override
    {
        shown.append(QStringLiteral("critical: ") + text);
        return QMessageBox::Ok;
    }
    QMessageBox::StandardButton warning(QWidget*, const QString&, const QString& text) override
    {
        shown.append(QStringLiteral("warning: ") + text);
        return QMessageBox::Ok;
    }
    QMessageBox::StandardButton information(QWidget*, const QString&, const QString& text) override
    {
        shown.append(QStringLiteral("information: ") + text);
        return QMessageBox::Ok;
    }
    QMessageBox::StandardButton question(QWidget*, const QString&, const QString& text) override
    {
        shown.append(QStringLiteral("question: ") + text);
        return answer;
    }

    QStringList shown;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

// A fresh configuration folder and data folder for each test, the settings
// store back at its start state, recorded message boxes and the program's
// built-in theme.
class SentrelFixture
{
public:
    SentrelFixture()
    {
        qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_config.path()));
        qputenv("CORVANE_DATA_DIR", QFile::encodeName(m_data.path()));
        Corvane::Sentrel::Settings::reset();
        Corvane::Sentrel::MessageBoxes::setInstance(&boxes);
    }
    ~SentrelFixture()
    {
        Corvane::Sentrel::MessageBoxes::setInstance(nullptr);
        Corvane::Sentrel::Settings::reset();
        Corvane::Sentrel::Application::s_isShuttingDown = false;
    }

    static void useProgramTheme(const QString& folder = QStringLiteral(":/TalveraTheme"))
    {
        Corvane::Gadgets::ThemeProvider::initResources();
        Corvane::Gadgets::ThemeProvider::clear();
        Corvane::Gadgets::ThemeProvider::DefaultThemeFolder = folder;
        Corvane::Gadgets::ThemeProvider::setThemeFile(QString());
    }

    QString configPath() const { return m_config.path(); }
    QString dataPath() const { return m_data.path(); }

    // Writes a small valid project at path with the given identity.
    static QString writeProject(const QString& path, const QUuid& id = QUuid::createUuid(), int version = 1)
    {
        const std::unique_ptr<Corvane::Devices::Configuration> project(Corvane::Devices::Configuration::test());
        project->setId(id);
        project->setVersion(version);
        QDir().mkpath(QFileInfo(path).absolutePath());
        Corvane::Devices::Serialization::XmlSerializer::write(*project, path);
        return path;
    }
    QString writeActiveProject(const QUuid& id = QUuid::createUuid(), int version = 1) const
    {
        return writeProject(Corvane::Utilities::PathProvider::configPrjFullName(), id, version);
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    RecordingMessageBoxes boxes;

private:
    QTemporaryDir m_config;
    QTemporaryDir m_data;
};
