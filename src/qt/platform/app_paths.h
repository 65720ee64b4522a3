#pragma once
// Where the desktop program keeps and finds its files.
#include <QString>

namespace tarmigo {

// The file copy of the saved state: in the user's data folder for the program,
// named after the program's own file name with its last character replaced by 't'.
// Empty when the name gives none (a name ending in 't').
QString saveFilePath(const QString& dataFolder, const QString& programName);

// The file copy of the saved network game, beside the other: its name with
// "-network" added. Empty where the other is.
QString networkSaveFilePath(const QString& dataFolder, const QString& programName);

// The moves of the game in progress, beside the file copy of the saved state: its name
// with "-history" added. Empty where the other is.
QString historyFilePath(const QString& dataFolder, const QString& programName);

// A folder private to the user for the lock file and the socket of the single
// instance; empty when none can be had.
QString runtimeFolder();

} // namespace tarmigo
