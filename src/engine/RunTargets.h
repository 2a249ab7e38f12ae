#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The results of a run's documents, seen together before the run starts: two
// documents whose results would land on one file (a.xls and a.XLS both stored as
// .ods) would have the second send the first's result to the trash.
namespace RunTargets {

// The positions of files (1-based, as the run lists them) whose result lands where the
// result of an earlier one lands, with the reason naming that one. Names are compared
// as the folder's file system compares them: with or without regard to case.
// targetOf gives a document's result path, nothing when it cannot be known yet.
QHash<int, QString> collisions(const QString &folder, const QStringList &files,
                               const std::function<std::optional<QString>(const QString &path)> &targetOf);

// Whether the file system of the folder finds a name in another case (probed on the
// existing files of the list).
bool ignoresCase(const QString &folder, const QStringList &files);

} // namespace RunTargets
