#include "AtomicFileWriter.h"

#include "log/Logger.h"

#include <QCoreApplication>
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

bool AtomicFileWriter::write(const QString& path, const QByteArray& data, const char* failureText,
                             QString* error)
{
    QString reason;
    const bool written = write(path, data, reason);
    if (!written) {
        Log::Logger(Log::Logger::Error) << Q_FUNC_INFO << " cannot write " << path << ": " << reason;
        if (error)
            *error = QCoreApplication::translate("Devices", failureText).arg(path, reason);
    }
    return written;
}

} // namespace Corvane::Devices::Serialization
