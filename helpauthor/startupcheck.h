// The files the authoring program needs beside it before its window may open.
#pragma once

#include <QString>

namespace StartupCheck {

enum class Outcome { Ready, ViewerMissing, HelpMissing };

// Opens the viewer program "tessavor" and then the program's own help "quorant.vry" in the
// program directory for reading; the first that cannot be opened decides the outcome.
Outcome check(const QString &programDir);

} // namespace StartupCheck
