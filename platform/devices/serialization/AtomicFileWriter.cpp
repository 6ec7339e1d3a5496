#include "AtomicFileWriter.h"

#include <QSaveFile>

namespace Corvane::Devices::Serialization {

bool AtomicFileWriter::write(const QString& path, const QByteArray& data, QString& reason)
{
    QSaveFile file(path);
    const bool written = !data.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(data) == data.size()
        && file.commit();
    if (!written)
        reason = file.errorString();
    return written;
}

} // namespace Corvane::Devices::Serialization
