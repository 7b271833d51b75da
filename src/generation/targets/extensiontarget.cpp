#include "generation/targets/extensiontarget.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

QString iconFile(int size)
{
    return u"icons/icon-%1.png"_s.arg(size);
}

// The members of @p sizes whose files were written, by size as the manifest keys them.
template <std::size_t N> QJsonObject iconMap(const QSet<QString> &written, const int (&sizes)[N])
{
    QJsonObject icons;
    for (const int size : sizes) {
        if (written.contains(iconFile(size)))
            icons.insert(QString::number(size), iconFile(size));
    }
    return icons;
}

} // namespace

TargetPlan ExtensionTarget::plan(const TargetContext & /*context*/)
{
    TargetPlan plan;
    plan.name = u"extension"_s;
    for (const int size : sizes)
        plan.images.append(
            PlannedImage(iconFile(size), size, size == 128 ? Surface::webStoreExtension() : Surface::asIs()));
    plan.documents.append(
        {u"manifest-icons.json"_s, [](const QSet<QString> &written) { return manifestIcons(written); }});
    return plan;
}

QByteArray ExtensionTarget::manifestIcons(const QSet<QString> &written)
{
    const QJsonObject root{
        {u"icons"_s, iconMap(written, sizes)},
        {u"action"_s, QJsonObject{{u"default_icon"_s, iconMap(written, actionSizes)}}},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace iconsmith
