#include "generation/generationreport.h"

#include <QSet>

namespace iconsmith {

QList<GenerationReport::WrittenFile> GenerationReport::distinctFiles() const
{
    QList<WrittenFile> files;
    QSet<QString> seen;
    for (const WrittenFile &file : written) {
        if (seen.contains(file.path))
            continue;
        seen.insert(file.path);
        files.append(file);
    }
    return files;
}

} // namespace iconsmith
