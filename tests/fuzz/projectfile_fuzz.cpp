// Bytes of a project file (iconsmith.json), as a repository could hold them.
#include <cstddef>
#include <cstdint>

#include "cli/jsonkeys.h"
#include "cli/projectfile.h"
#include "generation/filename.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Any bytes at all, not only a document the JSON reader took: the walk ends and stays in bounds.
    (void)iconsmith::JsonKeys::findDuplicate(bytes);
    // Relative paths lead into a folder that is not there, so no recipe reads a real picture.
    const iconsmith::Result<QList<iconsmith::ProjectFile::Recipe>> recipes =
        iconsmith::ProjectFile::parse(bytes, QStringLiteral("iconsmith.json"), QStringLiteral("/nonexistent/fuzz"));
    if (recipes) {
        for (const iconsmith::ProjectFile::Recipe &recipe : *recipes) {
            // A recipe that reads has a source and a save folder, and a name that can name its folder.
            if (recipe.options.source.isEmpty() || recipe.options.output.isEmpty())
                __builtin_trap();
            if (!recipe.name.isEmpty() && !iconsmith::FileName::isPlain(recipe.name))
                __builtin_trap();
        }
    } else if (recipes.error().isEmpty()) {
        __builtin_trap(); // a refusal always says why
    }
    return 0;
}
