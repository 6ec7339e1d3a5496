#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Writes zip archives for tests, with members of any name and contents.
class ZipBuilder
{
public:
    ZipBuilder& add(const QString& name, const QByteArray& contents);
    // Adds every file of a folder (resource folders included) at the root.
    ZipBuilder& addFolder(const QString& folder, const QStringList& except = {});
    bool write(const QString& zipPath) const;

private:
    QList<QPair<QString, QByteArray>> m_members;
};
