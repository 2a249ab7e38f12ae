#include "RunTargets.h"

#include "AppPaths.h"

#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace RunTargets {

namespace {

// The name with every letter's case turned, where it has letters.
QString flippedCase(const QString &name)
{
    QString flipped = name;
    for (QChar &c : flipped)
        c = c.isUpper() ? c.toLower() : c.toUpper();
    return flipped;
}

} // namespace

bool ignoresCase(const QString &folder, const QStringList &files)
{
    for (const QString &name : files) {
        const QString flipped = flippedCase(name);
        if (name.isEmpty() || flipped == name)
            continue;
        const QFileInfo original(AppPaths::joinPath(folder, name));
        if (!original.exists())
            continue;
        std::error_code error;
        return std::filesystem::equivalent(original.filesystemAbsoluteFilePath(),
                                           QFileInfo(AppPaths::joinPath(folder, flipped)).filesystemAbsoluteFilePath(),
                                           error);
    }
    return false;
}

QHash<int, QString> collisions(const QString &folder, const QStringList &files,
                               const std::function<std::optional<QString>(const QString &path)> &targetOf)
{
    const bool anyCase = ignoresCase(folder, files);
    QHash<QString, int> first;   // a target as the file system compares it -> its first position
    QHash<int, QString> refused;
    for (int position = 1; position < files.size(); ++position) {
        const std::optional<QString> target = targetOf(AppPaths::joinPath(folder, files.at(position)));
        if (!target)
            continue;
        const QString key = anyCase ? target->toCaseFolded() : *target;
        const auto earlier = first.constFind(key);
        if (earlier == first.constEnd()) {
            first.insert(key, position);
            continue;
        }
        refused.insert(position, QStringLiteral("its result %1 would replace the result of %2 of this run")
                                     .arg(*target, files.at(*earlier)));
    }
    return refused;
}

} // namespace RunTargets
