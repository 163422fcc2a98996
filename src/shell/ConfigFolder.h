#pragma once

#include <QString>

namespace kvd::gui {

// The configuration folder holds the preferences file and the serial port links. It is the
// program's own folder when that folder is writable, so a portable or build-tree copy keeps
// to itself; otherwise the per-user configuration folder.
QString ResolveConfigFolder();

// The choice itself, for any two candidates. The user folder is created when it is chosen.
QString ChooseConfigFolder(const QString& programFolder, const QString& userFolder);

}  // namespace kvd::gui
