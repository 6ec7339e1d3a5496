// libFuzzer target over the skin check and the theme.ini reader. Built only
// with -DCORVANE_FUZZ=ON and clang; the normal test run replays its seeds
// and every input that once failed it (tst_skincheckfuzzinputs).
//
// An input whose first byte is even is taken as a whole zip archive, which
// exercises the archive reader. Otherwise the rest is split at each line
// "=====" into the contents of the reference theme's files, in name order,
// and packed into a valid zip (files without a part keep the reference's
// contents), so that mutations reach the checks of each file kind instead
// of stopping at the archive's checksums. It traps when the check refuses
// a skin without saying why. To run it:
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCORVANE_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_skincheck
//   cp tests/gadgets/skincheck-fuzz-corpus/* corpus/
//   build-fuzz/bin/fuzz_skincheck -max_total_time=600 -rss_limit_mb=2048 -max_len=16384
//       -dict=tests/gadgets/skincheck-fuzz.dict corpus

#include "theme/ThemeResourceValidator.h"
#include "theme/ThemeSettings.h"

#include "ZipBuilder.h"

#include "log/Logger.h"
#include "utilities/Zip/Unzipper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const QString ReferenceFolder = QStringLiteral(SKIN_REFERENCE_FOLDER "/");

struct Session
{
    Session()
    {
        Corvane::Log::Logger::initialize(Corvane::Log::Logger::Silent, QStringLiteral("fuzz_skincheck"));
        zipPath = folder.filePath(QStringLiteral("skin.zip"));
    }

    QTemporaryDir folder;
    QString zipPath;
};

Session& session()
{
    static Session instance;
    return instance;
}

bool writeArchive(const QByteArray& bytes, const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool writeMembers(const QByteArray& parts, const QString& path)
{
    const QList<QByteArray> contents = parts.split('\n');
    QList<QByteArray> members{QByteArray()};
    for (const QByteArray& line : contents) {
        if (line == "=====")
            members.append(QByteArray());
        else
            members.last().append(line).append('\n');
    }
    const QDir reference(ReferenceFolder);
    const QStringList names = reference.entryList(QDir::Files, QDir::Name);
    ZipBuilder zip;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i < members.size()) {
            zip.add(names.at(i), members.at(i));
        } else {
            QFile file(reference.filePath(names.at(i)));
            if (!file.open(QIODevice::ReadOnly))
                return false;
            zip.add(names.at(i), file.readAll());
        }
    }
    return zip.write(path);
}

// What the skin browser and the theme engine read of any skin, passed or
// not: its theme.ini.
void readSettings(const QString& zipPath)
{
    QByteArray bytes;
    if (!Corvane::Utilities::Zip::Unzipper().loadBytes(zipPath, QStringLiteral("theme.ini"), bytes))
        return;
    const Corvane::Gadgets::ThemeSettings settings(bytes);
    (void)settings.value(QStringLiteral("skin_name"), QString()).toString().size();
    (void)settings.value(QStringLiteral("segment_font_size")).toInt();
    (void)settings.value(QStringLiteral("slider_color")).toString().toUInt(nullptr, 16);
    (void)settings.contains(QStringLiteral("General/skin_name"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString& zipPath = session().zipPath;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const bool written = data[0] % 2 == 0 ? writeArchive(rest, zipPath) : writeMembers(rest, zipPath);
    if (!written)
        return 0;

    QString error;
    if (!Corvane::Gadgets::ThemeResourceValidator::containsAllResources(ReferenceFolder, zipPath, &error)
        && error.isEmpty())
        std::abort();
    readSettings(zipPath);
    return 0;
}
