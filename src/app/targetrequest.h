#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

#include "codec/sourceimage.h"
#include "common/result.h"
#include "generation/targetgenerator.h"
#include "imaging/rgbcolor.h"

namespace iconsmith {

class TargetsPanel;

/**
 * A run over several targets as the window describes it at Generate: the pictures read, the
 * targets, the options and the folder, checked before anything is written.
 */
struct TargetRequest
{
    Q_DECLARE_TR_FUNCTIONS(TargetRequest)

public:
    TargetSources sources;
    TargetJob job;

    /**
     * Reads the extra pictures named in @p panel and collects its choices, for @p main written
     * into @p folder with @p background behind opaque outputs. Fails, naming the file, on a
     * picture that cannot be read, and on a name that cannot name a file.
     */
    static Result<TargetRequest> make(const TargetsPanel &panel, const SourceImage &main, const QString &folder,
                                      const std::optional<RgbColor> &background);
    /** The name used when the name field is left empty: the source's base name, or "icon". */
    static QString defaultName(const SourceImage &main);
};

} // namespace iconsmith
