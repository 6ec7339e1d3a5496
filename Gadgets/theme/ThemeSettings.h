#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>

namespace Corvane::Gadgets {

// The values of one theme.ini, parsed from its bytes.
//
// Each reader holds its own copy of the values, so a reader on another
// skin's theme.ini never changes what the active theme's reader returns.
// The notation is the INI notation of QSettings: keys of [General] are read
// by their bare names, keys of another section as "section/key"; lines
// starting with ';' or '#' are comments; a value may be double-quoted.
class ThemeSettings
{
public:
    ThemeSettings() = default;
    explicit ThemeSettings(const QByteArray& iniBytes);

    bool contains(const QString& key) const;
    // The value as text, or defaultValue (null by default) when absent.
    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;

private:
    void parseLine(QStringView line, QString& section);

    QHash<QString, QString> m_values;
};

} // namespace Corvane::Gadgets
