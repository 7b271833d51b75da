#include "cli/projectfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "cli/jsonkeys.h"
#include "codec/regularfile.h"
#include "generation/filename.h"
#include "generation/outputpaths.h"
#include "generation/outputsets.h"
#include "generation/targets/targetcatalog.h"

namespace iconsmith {

using namespace Qt::StringLiterals;

namespace {

// What a key's value must be, and how it becomes an option's value.
enum class Kind {
    Text,     // a string, as it is
    Folder,   // a string naming a folder, relative to the file's folder
    File,     // a string naming a file that must exist, relative to the file's folder
    Flag,     // true or false
    Number,   // a number
    Targets,  // a list of target names, or one comma list
    Platform, // a platform name, or a number 0 to 6
};

struct Key
{
    QString name;
    Kind kind;
    /** The command-line option it stands for; empty for a flag of the run. */
    QString option;
};

const QList<Key> &keys()
{
    static const QList<Key> list{
        {u"source"_s, Kind::File, u"source"_s},
        {u"output"_s, Kind::Folder, u"output"_s},
        {u"project"_s, Kind::Folder, u"project"_s},
        {u"targets"_s, Kind::Targets, u"target"_s},
        {u"platform"_s, Kind::Platform, u"platform"_s},
        {u"background"_s, Kind::Text, u"background"_s},
        {u"dark"_s, Kind::File, u"dark"_s},
        {u"tinted"_s, Kind::File, u"tinted"_s},
        {u"monochrome"_s, Kind::File, u"monochrome"_s},
        {u"layer-middle"_s, Kind::File, u"layer-middle"_s},
        {u"android-foreground"_s, Kind::File, u"android-foreground"_s},
        {u"android-background"_s, Kind::File, u"android-background"_s},
        {u"android-inset"_s, Kind::Number, u"android-inset"_s},
        {u"padding"_s, Kind::Number, u"padding"_s},
        {u"no-shape"_s, Kind::Flag, u"no-shape"_s},
        {u"splash-logo"_s, Kind::File, u"splash-logo"_s},
        {u"splash-background"_s, Kind::Text, u"splash-background"_s},
        {u"splash-dark-logo"_s, Kind::File, u"splash-dark-logo"_s},
        {u"splash-dark-background"_s, Kind::Text, u"splash-dark-background"_s},
        {u"name"_s, Kind::Text, u"name"_s},
        {u"rounded"_s, Kind::Flag, u"rounded"_s},
        {u"fit"_s, Kind::Flag, u"fit"_s},
        {u"zoom"_s, Kind::Text, u"zoom"_s},
        {u"size-table"_s, Kind::File, u"size-table"_s},
        {u"strict"_s, Kind::Flag, QString()},
    };
    return list;
}

const Key *findKey(const QString &name)
{
    for (const Key &key : keys()) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return ProjectFile::tr("null");
    case QJsonValue::Bool:
        return ProjectFile::tr("true or false");
    case QJsonValue::Double:
        return ProjectFile::tr("a number");
    case QJsonValue::String:
        return ProjectFile::tr("a string");
    case QJsonValue::Array:
        return ProjectFile::tr("a list");
    case QJsonValue::Object:
        return ProjectFile::tr("an object");
    case QJsonValue::Undefined:
        break;
    }
    return ProjectFile::tr("nothing");
}

// A value of the file and where it was written ("recipes.pro.dark").
struct Setting
{
    QJsonValue value;
    QString where;
};
using Settings = QMap<QString, Setting>;

// One recipe read into options, with what its checks after reading need.
struct ReadRecipe
{
    ProjectFile::Recipe recipe;
    Settings settings;
    QString prefix;
};

class Reader
{
public:
    Reader(QString fileName, QString folder) : m_fileName(std::move(fileName)), m_folder(std::move(folder)) {}

    [[nodiscard]] Failure failure(const QString &where, const QString &message) const
    {
        return Failure{where.isEmpty() ? u"%1: %2"_s.arg(m_fileName, message)
                                       : u"%1: %2: %3"_s.arg(m_fileName, where, message)};
    }

    // The known keys of one object; @p prefix is its place ("recipes.pro."), empty at the top.
    Result<Settings> settingsOf(const QJsonObject &object, const QString &prefix, bool top) const
    {
        Settings settings;
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (top && it.key() == u"recipes")
                continue;
            if (findKey(it.key()) == nullptr) {
                QStringList names;
                for (const Key &key : keys())
                    names << key.name;
                if (top)
                    names << u"recipes"_s;
                return failure(prefix + it.key(),
                               ProjectFile::tr("unknown key; the keys are %1.").arg(names.join(u", "_s)));
            }
            settings.insert(it.key(), {it.value(), prefix + it.key()});
        }
        if (settings.contains(u"targets"_s) && settings.contains(u"platform"_s))
            return failure(prefix + u"platform"_s,
                           ProjectFile::tr("\"platform\" and \"targets\" cannot be combined: \"platform\" makes one of "
                                           "the classic sets, \"targets\" the newer ones."));
        return settings;
    }

    // The recipe's options, checked as the command line's are.
    Result<CliOptions> options(const Settings &settings, const QString &defaultOutput, const QString &place) const
    {
        if (!settings.contains(u"source"_s))
            return failure(place, ProjectFile::tr("no \"source\" is given."));
        CliOptions::Values values;
        QMap<QString, QString> whereOf;
        bool strict = false;
        for (auto it = settings.begin(); it != settings.end(); ++it) {
            const Key &key = *findKey(it.key());
            const Setting &setting = it.value();
            whereOf.insert(key.option, setting.where);
            if (key.kind == Kind::Flag) {
                if (!setting.value.isBool())
                    return failure(setting.where,
                                   ProjectFile::tr("expected true or false, not %1.").arg(typeName(setting.value)));
                if (key.option.isEmpty())
                    strict = setting.value.toBool();
                else if (setting.value.toBool())
                    values.insert(key.option, QString());
                continue;
            }
            const Result<QString> value = optionValue(key, setting);
            if (!value)
                return Failure{value.error()};
            values.insert(key.option, *value);
        }
        const bool intoProject = values.contains(u"project"_s);
        if (intoProject) {
            // The project says where its icons go and which files they are; every picture applies.
            for (const QString &name :
                 {u"output"_s, u"targets"_s, u"platform"_s, u"rounded"_s, u"fit"_s, u"zoom"_s, u"size-table"_s}) {
                if (settings.contains(name))
                    return failure(settings[name].where,
                                   ProjectFile::tr("does not go with \"project\": the project says where its icons go "
                                                   "and what they are."));
            }
            values.insert(u"target"_s, u"everything"_s);
        } else if (!values.contains(u"output"_s)) {
            values.insert(u"output"_s, defaultOutput);
        }

        QString failedOption;
        Result<CliOptions> options = CliOptions::fromValues(values, &failedOption);
        if (!options) {
            const QString where = whereOf.value(failedOption, place);
            // A shared default that does not suit one recipe: say which.
            if (!place.isEmpty() && !where.startsWith(place))
                return failure(where, ProjectFile::tr("%1 (in %2)").arg(options.error(), place));
            return failure(where, options.error());
        }
        options->strict = strict;
        if (intoProject) {
            options->mode = CliOptions::Mode::IntoProject;
            options->projectFolder = values.value(u"project"_s);
        }
        return *options;
    }

    // The pictures a recipe that runs reads must be there.
    Result<void> checkFiles(const Settings &settings) const
    {
        for (auto it = settings.begin(); it != settings.end(); ++it) {
            if (findKey(it.key())->kind != Kind::File)
                continue;
            const Setting &setting = it.value();
            const QString path = resolve(setting.value.toString());
            const QFileInfo info(path);
            if (!info.exists())
                return failure(setting.where,
                               ProjectFile::tr("there is no file %1.").arg(QDir::toNativeSeparators(path)));
            if (info.isDir())
                return failure(setting.where,
                               ProjectFile::tr("%1 is a folder, not a file.").arg(QDir::toNativeSeparators(path)));
            if (!info.isFile())
                return failure(setting.where, ProjectFile::tr("%1 is not a regular file (a FIFO, a socket or a "
                                                              "device); only regular files are read.")
                                                  .arg(QDir::toNativeSeparators(path)));
        }
        return {};
    }

    [[nodiscard]] QString resolve(const QString &text) const
    {
        if (text == u"~" || text.startsWith(u"~/"))
            return OutputPaths::expandHome(text);
        if (QDir::isAbsolutePath(text))
            return QDir::cleanPath(text);
        return QDir::cleanPath(m_folder + u'/' + text);
    }

    [[nodiscard]] const QString &folder() const { return m_folder; }

private:
    // The option value a key's value (not a flag's) stands for.
    Result<QString> optionValue(const Key &key, const Setting &setting) const
    {
        const QJsonValue &value = setting.value;
        const auto wrongType = [&](const QString &expected) {
            return failure(setting.where, ProjectFile::tr("expected %1, not %2.").arg(expected, typeName(value)));
        };
        switch (key.kind) {
        case Kind::Number:
            if (!value.isDouble())
                return wrongType(ProjectFile::tr("a number"));
            return QString::number(value.toDouble(), 'g', 12);
        case Kind::Platform:
            if (value.isDouble() && value.toDouble() == double(value.toInt()))
                return QString::number(value.toInt());
            if (!value.isString())
                return wrongType(ProjectFile::tr("a platform name or number"));
            return value.toString();
        case Kind::Targets:
            return targetList(setting);
        case Kind::Text:
        case Kind::Folder:
        case Kind::File:
        case Kind::Flag:
            break;
        }
        if (!value.isString())
            return wrongType(ProjectFile::tr("a string"));
        if (key.kind == Kind::Text)
            return value.toString();
        if (value.toString().isEmpty())
            return failure(setting.where, ProjectFile::tr("is empty."));
        if (value.toString().contains(QChar(0)))
            return failure(setting.where, ProjectFile::tr("holds a NUL character, which no file name can."));
        return resolve(value.toString());
    }

    Result<QString> targetList(const Setting &setting) const
    {
        if (setting.value.isString()) {
            const Result<QStringList> targets = TargetCatalog::parse(setting.value.toString());
            if (!targets)
                return failure(setting.where, targets.error());
            return targets->join(u',');
        }
        if (!setting.value.isArray())
            return failure(setting.where,
                           ProjectFile::tr("expected a list of target names, not %1.").arg(typeName(setting.value)));
        const QJsonArray array = setting.value.toArray();
        QStringList names;
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString where = u"%1[%2]"_s.arg(setting.where).arg(i);
            if (!array[i].isString())
                return failure(where, ProjectFile::tr("expected a target name, not %1.").arg(typeName(array[i])));
            const Result<QStringList> targets = TargetCatalog::parse(array[i].toString());
            if (!targets)
                return failure(where, targets.error());
            names << *targets;
        }
        if (names.isEmpty())
            return failure(setting.where, ProjectFile::tr("names no target."));
        return names.join(u',');
    }

    QString m_fileName;
    QString m_folder;
};

// The places a recipe writes, to find two recipes that would write the same files.
QList<OutputSets::Place> placesWritten(const CliOptions &options)
{
    // A project's files are the project's; a second update of it finds them already made.
    if (options.mode == CliOptions::Mode::IntoProject)
        return {};
    return OutputSets::of(options.output, options.targets.isEmpty() ? options.platform : Platform::targets(),
                          options.targets);
}

// Where the JSON parser stopped, as line:column.
QString position(const QByteArray &contents, int offset)
{
    const QByteArray before = contents.left(offset);
    const auto line = before.count('\n') + 1;
    const auto column = offset - (before.lastIndexOf('\n') + 1) + 1;
    return u"%1:%2"_s.arg(line).arg(column);
}

} // namespace

Result<QList<ProjectFile::Recipe>> ProjectFile::read(const QString &path, const QStringList &only)
{
    // A project file is a few hundred bytes; a limit keeps a mistaken --config /dev/zero from
    // reading forever, and only a regular file is opened, so a FIFO cannot block the run.
    constexpr qint64 largest = 1 << 20;
    const Result<QByteArray> contents = RegularFile::read(path, largest);
    if (!contents)
        return Failure{tr("%1 cannot be read: %2.").arg(QDir::toNativeSeparators(path), contents.error())};
    return parse(*contents, QDir::toNativeSeparators(path), QFileInfo(path).path(), only);
}

Result<QList<ProjectFile::Recipe>> ProjectFile::parse(const QByteArray &contents, const QString &fileName,
                                                      const QString &folder, const QStringList &only)
{
    const Reader reader(fileName, folder);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(contents, &error);
    if (error.error != QJsonParseError::NoError)
        return Failure{u"%1:%2: %3"_s.arg(fileName, position(contents, error.offset), error.errorString())};
    if (!document.isObject())
        return reader.failure({}, tr("expected a JSON object of settings."));
    // The JSON reader keeps one of two values of a key and drops the other without a word: two
    // recipes of one name would make one silently vanish.
    if (const std::optional<JsonKeys::Duplicate> twice = JsonKeys::findDuplicate(contents))
        return Failure{u"%1:%2: %3: %4"_s.arg(fileName, position(contents, twice->offset), twice->where,
                                              tr("given twice; each key can be given once."))};
    const QJsonObject top = document.object();
    const Result<Settings> defaults = reader.settingsOf(top, {}, true);
    if (!defaults)
        return Failure{defaults.error()};

    QList<ReadRecipe> recipes;
    if (!top.contains(u"recipes"_s)) {
        if (!only.isEmpty())
            return reader.failure({}, tr("--only needs recipes; the file is one recipe."));
        const Result<CliOptions> options = reader.options(*defaults, reader.folder(), {});
        if (!options)
            return Failure{options.error()};
        recipes.append({{QString(), *options}, *defaults, QString()});
    } else {
        const QJsonValue list = top.value(u"recipes"_s);
        if (!list.isObject() || list.toObject().isEmpty())
            return reader.failure(u"recipes"_s, tr("expected an object of named recipes, not %1.")
                                                    .arg(list.isObject() ? tr("an empty one") : typeName(list)));
        const QJsonObject named = list.toObject();
        for (const QString &name : only) {
            if (!named.contains(name))
                return reader.failure(
                    {}, tr("there is no recipe \"%1\"; the recipes are %2.").arg(name, named.keys().join(u", "_s)));
        }
        for (auto it = named.begin(); it != named.end(); ++it) {
            const QString place = u"recipes."_s + it.key();
            if (it.key().isEmpty())
                return reader.failure(place, tr("a recipe needs a name."));
            // Without "output" the recipe writes into a folder of its name beside the file.
            if (!FileName::isPlain(it.key()))
                return reader.failure(place, tr("\"%1\" cannot be a recipe's name: it names the recipe's folder, so it "
                                                "must be a plain file name (no \"/\", \"\\\", \"..\", leading \".\" "
                                                "or control characters).")
                                                 .arg(it.key()));
            if (!it.value().isObject())
                return reader.failure(place, tr("expected an object of settings, not %1.").arg(typeName(it.value())));
            const Result<Settings> own = reader.settingsOf(it.value().toObject(), place + u'.', false);
            if (!own)
                return Failure{own.error()};
            // A recipe's choice of targets or platform replaces the defaults' either.
            Settings settings = *defaults;
            if (own->contains(u"targets"_s) || own->contains(u"platform"_s)) {
                settings.remove(u"targets"_s);
                settings.remove(u"platform"_s);
            }
            settings.insert(*own);
            const Result<CliOptions> options =
                reader.options(settings, QDir::cleanPath(reader.folder() + u'/' + it.key()), place);
            if (!options)
                return Failure{options.error()};
            if (only.isEmpty() || only.contains(it.key()))
                recipes.append({{it.key(), *options}, settings, place});
        }
    }

    // The places of the recipes before, each with the recipe writing it. Two places are the same
    // files however they are named (through a link, a folder inside the other's).
    QList<std::pair<OutputSets::Place, QString>> writers;
    QList<Recipe> result;
    for (const ReadRecipe &read : recipes) {
        if (const Result<void> files = reader.checkFiles(read.settings); !files)
            return Failure{files.error()};
        const QList<OutputSets::Place> places = placesWritten(read.recipe.options);
        for (const OutputSets::Place &place : places) {
            for (const auto &[other, writer] : std::as_const(writers)) {
                if (!OutputSets::overlap(place, other))
                    continue;
                const QString where =
                    read.settings.contains(u"output"_s) ? read.settings[u"output"_s].where : read.prefix;
                return reader.failure(where, tr("%1 is written by %2 too; give each recipe its own \"output\".")
                                                 .arg(QDir::toNativeSeparators(place.path), writer));
            }
        }
        for (const OutputSets::Place &place : places)
            writers.append({place, read.prefix});
        result.append(read.recipe);
    }
    return result;
}

} // namespace iconsmith
