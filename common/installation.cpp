// The installation folder compiled in, and the test whether a program runs from it.
#include "common/installation.h"

#include <QFileInfo>

#ifndef GLOSSAND_INSTALLED_PROGRAM_DIR
#define GLOSSAND_INSTALLED_PROGRAM_DIR ""
#endif

namespace Installation {

QString installedProgramDir()
{
    return QStringLiteral(GLOSSAND_INSTALLED_PROGRAM_DIR);
}

bool isInstalledProgramDir(const QString &programDir, const QString &installDir)
{
    if (programDir.isEmpty() || installDir.isEmpty())
        return false;
    const QString program = QFileInfo(programDir).canonicalFilePath();
    return !program.isEmpty() && program == QFileInfo(installDir).canonicalFilePath();
}

} // namespace Installation
