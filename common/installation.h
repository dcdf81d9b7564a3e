// Whether a program runs from the folder it was installed to, which it then never writes into.
#pragma once

#include <QString>

namespace Installation {

// The folder the programs and their companion files are installed to (<prefix>/lib/glossand),
// fixed when the programs were built.
QString installedProgramDir();

// True when programDir is installDir, symbolic links resolved. The build tree and a copied
// portable folder are not the installation, even when they cannot be written.
bool isInstalledProgramDir(const QString &programDir, const QString &installDir = installedProgramDir());

} // namespace Installation
