#include "app/targetrequest.h"

#include <QFileInfo>

#include "generation/outputpaths.h"
#include "ui/targetspanel.h"

namespace iconsmith {

namespace {

bool namesAFile(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QChar(0));
}

} // namespace

QString TargetRequest::defaultName(const SourceImage &main)
{
    const QString base = QFileInfo(main.origin()).completeBaseName();
    return namesAFile(base) ? base : QStringLiteral("icon");
}

Result<TargetRequest> TargetRequest::make(const TargetsPanel &panel, const SourceImage &main, const QString &folder,
                                          const std::optional<RgbColor> &background)
{
    TargetRequest request;
    request.sources.main = main;
    const QMap<SourceRole, QString> pictures = panel.pictures();
    for (auto it = pictures.begin(); it != pictures.end(); ++it) {
        // Read now, so that a picture that cannot be used stops the run before a file is made.
        const Result<SourceImage> picture = SourceImage::load(OutputPaths::expandHome(it.value()));
        if (!picture)
            return Failure{
                tr("The %1 picture cannot be used. %2").arg(TargetsPanel::pictureName(it.key()), picture.error())};
        request.sources.others.insert(it.key(), *picture);
    }
    request.job.folder = folder;
    request.job.targets = panel.targets();
    TargetOptions &options = request.job.options;
    options.background = background;
    options.macShape = panel.macShape();
    options.androidInset = panel.androidInset();
    options.name = panel.nameText().isEmpty() ? defaultName(main) : panel.nameText();
    if (!namesAFile(options.name))
        return Failure{tr("\"%1\" cannot name a file: type a name without \"/\" under File name.").arg(options.name)};
    return request;
}

} // namespace iconsmith
