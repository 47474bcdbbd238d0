#pragma once
// Where the settings files paper.dat and options.dat (and the folder printers/
// with each printer's calibration) live: beside the executable
// when that folder can take them (a build tree, a portable copy), otherwise in the
// user's configuration folder for the program. An installed program cannot write
// into its own folder, and paper formats and calibration would be lost without
// a word.

#include <QString>

// The folder for the settings files, ending with '/'. `installedBinDirectory` is
// where `cmake --install` puts the executables: a program started from there
// always uses the configuration folder, even for a user who could write there.
QString chooseSettingsFolder(const QString& executableDirectory, const QString& installedBinDirectory);

// The folder for the running program.
QString defaultSettingsFolder();

// Creates the folder of a settings file about to be written; false when it cannot.
bool prepareSettingsFolder(const QString& filePath);
