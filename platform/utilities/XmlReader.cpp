#include "utilities/XmlReader.h"

#include <QDomDocument>
#include <QFile>

namespace Corvane::Utilities {

bool XmlReader::loadDocument(const QString& path, QDomDocument& document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDomDocument parsed;
    if (!parsed.setContent(&file))
        return false;
    document = parsed;
    return true;
}

} // namespace Corvane::Utilities
