#include "theme/ThemeSettings.h"

#include <QStringDecoder>

namespace Corvane::Gadgets {

namespace {

// An unquoted value ends at an inline ';' comment; a quoted one at its
// closing quote, with \" and \\ escapes.
QString parseValue(QStringView text)
{
    if (!text.startsWith(u'"')) {
        const qsizetype comment = text.indexOf(u';');
        return (comment < 0 ? text : text.left(comment)).trimmed().toString();
    }
    QString value;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'"')
            break;
        if (c == u'\\' && i + 1 < text.size())
            value += text.at(++i);
        else
            value += c;
    }
    return value;
}

} // namespace

ThemeSettings::ThemeSettings(const QByteArray& iniBytes)
{
    const QString text = QStringDecoder(QStringDecoder::Utf8)(iniBytes);
    QString section;
    for (QStringView line : QStringView(text).split(u'\n'))
        parseLine(line.trimmed(), section);
}

void ThemeSettings::parseLine(QStringView line, QString& section)
{
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
        return;
    if (line.startsWith(u'[')) {
        const qsizetype end = line.indexOf(u']');
        const QString name = line.mid(1, end < 0 ? -1 : end - 1).trimmed().toString();
        section = name.compare(u"General", Qt::CaseInsensitive) == 0 ? QString() : name;
        return;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return;
    const QString key = line.left(equals).trimmed().toString();
    m_values.insert(section.isEmpty() ? key : section + u'/' + key, parseValue(line.mid(equals + 1).trimmed()));
}

bool ThemeSettings::contains(const QString& key) const
{
    return m_values.contains(key);
}

QVariant ThemeSettings::value(const QString& key, const QVariant& defaultValue) const
{
    const auto it = m_values.constFind(key);
    return it == m_values.constEnd() ? defaultValue : QVariant(*it);
}

} // namespace Corvane::Gadgets
