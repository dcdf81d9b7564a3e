// The two test classes of the shipped help files and texts, run by one executable.
#pragma once

#include <QByteArray>
#include <QString>

namespace ShippedHelp {

int runHelpFilesTest(int argc, char **argv);
int runTextsTest(int argc, char **argv);

// The program directory of the build (where the compiled help files and texts lie).
QString programDir();
// The data folder of the sources (help projects, RTF topics, texts).
QString dataSourceDir();
QByteArray readAll(const QString &path);

} // namespace ShippedHelp
