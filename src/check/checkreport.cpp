#include "check/checkreport.h"

#include <QStringList>

namespace iconsmith {

void CheckReport::addProblem(const QString &file, const QString &message)
{
    if (++m_problemCount[file] <= maxPerFile)
        problems.append({file, message});
}

void CheckReport::addNote(const QString &file, const QString &message)
{
    if (++m_noteCount[file] <= maxPerFile)
        notes.append({file, message});
}

void CheckReport::finish()
{
    // In the order of the files' names, so that two runs print the same report.
    const auto leftOut = [this](const QHash<QString, qint64> &counts, bool problemCount) {
        QStringList files;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > maxPerFile)
                files << it.key();
        }
        files.sort();
        for (const QString &file : files) {
            const qint64 more = counts.value(file) - maxPerFile;
            notes.append({file, problemCount ? tr("and %1 more problems of this file, not listed").arg(more)
                                             : tr("and %1 more notes about this file, not listed").arg(more)});
        }
    };
    leftOut(m_problemCount, true);
    leftOut(m_noteCount, false);
    m_problemCount.clear();

    m_noteCount.clear();
}

} // namespace iconsmith
