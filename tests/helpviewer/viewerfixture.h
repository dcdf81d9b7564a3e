// A program directory with the viewer's own help and test help files, and a started viewer on it.
#pragma once

#include "helpviewer/viewerstart.h"
#include "tests/testsupport/testsupport.h"

#include <QStringList>

namespace ViewerFixture {

// tessavor.vry and the help files below, written into the directory.
void writeHelpFiles(const TestSupport::ProgramDir &dir);

// plain.vry: a plain help with list entries written with blanks around them.
QByteArray plainHelp();
// rich.vry: a rich help; its topic "Kaputt" is listed but its block holds no RTF document.
QByteArray richHelp();

// Starts the viewer on the directory with one argument ("%1" stands for the directory).
Viewer::Started start(const TestSupport::ProgramDir &dir, const QString &argument);

} // namespace ViewerFixture
