#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace Corvane::Utilities {

// The file that a later start, handing its arguments over to the running
// instance, asks it to open: the last one that reads. The running program
// does this work in its GUI thread, so it is bounded whatever was handed
// over: the arguments are looked at from the last one back, switches and
// repeats passed over; each other one is examined (an absolute path of an
// existing regular file) and, when it passes, read. At most MAX_READS files
// are read and MAX_EXAMINED arguments examined; the earlier ones are not
// looked at. What was passed over is logged in one line.
class HandOverChoice
{
public:
    static constexpr int MAX_READS = 3;
    static constexpr int MAX_EXAMINED = 100;
    // Refusals named in the log line; the others are counted.
    static constexpr int MAX_REFUSALS_NAMED = 10;

    // Reads the file at path; false, with the reason in error when known,
    // when it cannot be opened.
    using Reader = std::function<bool(const QString& path, QString* error)>;

    // arguments as handed over, the program path first; switches: the
    // switches of the program, compared without letter case. Examines the
    // arguments without reading any file.
    HandOverChoice(const QStringList& arguments, const QStringList& switches);

    // Whether an argument examined names a file to read.
    bool hasCandidates() const { return !m_candidates.isEmpty(); }

    // Reads the candidates from the last one back and returns the first
    // that reads, empty when none does; logs what was passed over. Called
    // once.
    QString choose(const Reader& read);

private:
    // Why argument is no file to read, empty when it is one.
    static QString refusalOf(const QString& argument);
    void logPassedOver(const QString& chosen) const;

    qsizetype m_handedOver = 0;
    qsizetype m_switches = 0;
    qsizetype m_repeats = 0;
    // Arguments neither refused nor chosen: not looked at, or not read.
    qsizetype m_leftUnread = 0;
    QStringList m_candidates;
    QStringList m_refusals;
};

} // namespace Corvane::Utilities
