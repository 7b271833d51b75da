#include "project/flutterwindowsproject.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "generation/targets/windowstarget.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

const QString icon = u"windows/runner/resources/app_icon.ico"_s;

} // namespace

std::unique_ptr<ProjectKind> FlutterWindowsProject::at(const QString &root, const QString &folder,
                                                       QStringList & /*notes*/)
{
    const QString pubspec = joined(root, joined(folder, u"pubspec.yaml"_s));
    if (!QFileInfo(pubspec).isFile() || !QFileInfo(joined(root, joined(folder, icon))).isFile())
        return nullptr;
    // A Flutter app's pubspec has a top-level "flutter:" section.
    static const QRegularExpression section(u"^flutter:"_s, QRegularExpression::MultilineOption);
    if (!section.match(QString::fromUtf8(readSmallFile(pubspec))).hasMatch())
        return nullptr;
    return std::unique_ptr<ProjectKind>(new FlutterWindowsProject(folder));
}

TargetPlan FlutterWindowsProject::plan(const TargetContext &context) const
{
    TargetPlan plan;
    plan.name = kind();
    plan.images << containerEntries(WindowsTarget::plan(context), u".ico"_s, joined(m_folder, icon));
    return plan;
}

} // namespace iconsmith
