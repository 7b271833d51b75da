#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "generation/targets/targetplan.h"

namespace iconsmith {

/**
 * One app project found under the folder a user gave, of one kind (an Android module, a Tauri
 * app, ...): what its build reads as its icons, and so what an update writes there. Each kind
 * is a class of its own; ProjectFinder knows how to recognise each one.
 *
 * Every path a project answers is relative to the folder searched (the "project folder"), with
 * "/" between its parts.
 */
class ProjectKind
{
public:
    virtual ~ProjectKind() = default;

    /** The kind's short name, as --json reports it: "android", "tauri". */
    [[nodiscard]] virtual QString kind() const = 0;
    /** The kind as people read it: "Android module", "Tauri app". */
    [[nodiscard]] virtual QString title() const = 0;
    /** The systems the project's app runs on: "Android", "iOS", "macOS", "web", "Windows", "Linux". */
    [[nodiscard]] virtual QStringList platforms() const = 0;
    /** The project's own folder ("android/app", "src-tauri"); empty for the project folder itself. */
    [[nodiscard]] virtual QString folder() const = 0;
    /**
     * The files the project's build reads as its icons, planned from the pictures in @p context:
     * each image's and document's file is the project's own name for it.
     */
    [[nodiscard]] virtual TargetPlan plan(const TargetContext &context) const = 0;
    /**
     * The files of the project that must go for those of @p plan to be used as they are: a
     * resource of the same name in another format, a layer that nothing names any longer.
     */
    [[nodiscard]] virtual QStringList movedAway(const TargetPlan &plan) const = 0;

    // What the kinds share in reading a project.

    /** The desktops a desktop app's one set of icons serves. */
    static QStringList desktops()
    {
        return {QStringLiteral("macOS"), QStringLiteral("Windows"), QStringLiteral("Linux")};
    }

    /**
     * The entries of @p plan's container files whose name ends in @p suffix (".icns", ".ico"),
     * renamed to the project's @p file.
     */
    static QList<PlannedImage> containerEntries(const TargetPlan &plan, const QString &suffix, const QString &file);

    /** @p name inside @p folder, which may be "" for the project folder itself. */
    static QString joined(const QString &folder, const QString &name)
    {
        return folder.isEmpty() ? name : folder + u'/' + name;
    }
    /**
     * The file at @p path when it is a regular file (not a link) of at most @p limit bytes; empty
     * otherwise. The documents of a project (manifests, configurations) are small: a larger one is
     * not read.
     */
    static QByteArray readSmallFile(const QString &path, qint64 limit = 4 * 1024 * 1024);
    /** The pixel size of the PNG at @p path (not a link); empty when it is none. */
    static QSize presentSize(const QString &path);
    /** The pixel size of the square PNG at @p path (not a link), or 0. */
    static int presentSquareSize(const QString &path);

protected:
    ProjectKind() = default;
    ProjectKind(const ProjectKind &) = default;
    ProjectKind &operator=(const ProjectKind &) = default;
};

} // namespace iconsmith
