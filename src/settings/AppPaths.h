#pragma once

#include <QString>

// Where the program keeps its files, and how document paths are joined.
namespace AppPaths {

// The per-user data folder: $XDG_CONFIG_HOME/Tablevane (by default
// ~/.config/Tablevane). Computed anew at every call, never cached.
QString AppDataFolder();
bool ensureAppDataFolder();
QString logFile();          // AppDataFolder()/Tablevane.log

// The user's documents folder, else the home folder.
QString documentsFolder();

// The folder holding the executable; Lang/ and Help/ sit beside it.
QString programFolder();

// folder + "/" + name, without doubling the separator of a root folder.
QString joinPath(const QString &folder, const QString &name);
// The folder part and the file-name part of a path.
QString folderPart(const QString &path);
QString fileNamePart(const QString &path);

} // namespace AppPaths
