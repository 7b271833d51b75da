#include "generation/targets/mactarget.h"

#include "catalog/contentsdocument.h"

namespace iconsmith {

namespace {

struct MacSlot
{
    int points;
    int scale;
};

constexpr MacSlot slots[] = {{16, 1},  {16, 2},  {32, 1},  {32, 2},  {128, 1},
                             {128, 2}, {256, 1}, {256, 2}, {512, 1}, {512, 2}};

// The .icns chunks iconutil writes, with their pixel sizes.
struct IcnsChunk
{
    const char *type;
    int pixels;
};

constexpr IcnsChunk chunks[] = {{"ic04", 16},   {"ic05", 32}, {"ic07", 128}, {"ic08", 256}, {"ic09", 512},
                                {"ic10", 1024}, {"ic11", 32}, {"ic12", 64},  {"ic13", 256}, {"ic14", 512}};

QString slotFile(const MacSlot &slot)
{
    return QStringLiteral("icon_%1x%1%2.png").arg(slot.points).arg(slot.scale == 2 ? QStringLiteral("@2x") : QString());
}

} // namespace

TargetPlan MacTarget::plan(const TargetContext & /*context*/)
{
    const QString folder = QStringLiteral("AppIcon.appiconset/");
    TargetPlan plan;
    plan.name = QStringLiteral("macos");
    for (const MacSlot &slot : slots)
        plan.images.append(PlannedImage(folder + slotFile(slot), slot.points * slot.scale, Surface::macBody()));
    for (const IcnsChunk &chunk : chunks)
        plan.images.append(PlannedImage(icnsFile.toString(), chunk.pixels, Surface::macBody())
                               .asEntry(QString::fromLatin1(chunk.type)));
    plan.documents.append({folder + ContentsDocument::fileName.toString(), [folder](const QSet<QString> &written) {
                               ContentsDocument document;
                               for (const MacSlot &slot : slots) {
                                   if (!written.contains(folder + slotFile(slot)))
                                       continue;
                                   document.images.append({slotFile(slot), QStringLiteral("mac"),
                                                           QStringLiteral("%1x").arg(slot.scale),
                                                           QStringLiteral("%1x%1").arg(slot.points)});
                               }
                               return document.toJson();
                           }});
    return plan;
}

} // namespace iconsmith
