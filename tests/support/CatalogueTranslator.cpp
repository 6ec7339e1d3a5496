#include "CatalogueTranslator.h"

#include <QFile>
#include <QXmlStreamReader>

const QString CatalogueTranslator::MARK_BEGIN = QStringLiteral("\u27e6");
const QString CatalogueTranslator::MARK_END = QStringLiteral("\u27e7");

namespace {

QString keyOf(const QString& context, const QString& source, const QString& disambiguation)
{
    return context + u'\x1f' + source + u'\x1f' + disambiguation;
}

} // namespace

CatalogueTranslator::CatalogueTranslator(QObject* parent)
    : QTranslator(parent)
{
}

bool CatalogueTranslator::addCatalogue(const QString& fileName)
{
    QFile file(QStringLiteral(CORVANE_CATALOGUES_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QString comment;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const auto name = xml.name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"name")
                context = xml.readElementText();
            else if (name == u"message")
                comment.clear();
            else if (name == u"source")
                source = xml.readElementText();
            else if (name == u"comment")
                comment = xml.readElementText();
        } else if (token == QXmlStreamReader::EndElement && name == u"message") {
            m_keys.insert(keyOf(context, source, comment));
        }
    }
    return !xml.hasError();
}

bool CatalogueTranslator::isMarked(const QString& text)
{
    return text.startsWith(MARK_BEGIN) && text.endsWith(MARK_END);
}

QString CatalogueTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                       int) const
{
    const QString source = QString::fromUtf8(sourceText);
    if (!m_keys.contains(keyOf(QString::fromUtf8(context), source, QString::fromUtf8(disambiguation))))
        return QString();
    return MARK_BEGIN + source + MARK_END;
}

bool CatalogueTranslator::isEmpty() const
{
    return m_keys.isEmpty();
}
