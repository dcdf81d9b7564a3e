// Runs the help file and shipped text tests in one application; fails when either fails.
#include "tests/shipped/test_help.h"

#include <QApplication>
#include <QFile>
#include <QProcessEnvironment>

namespace ShippedHelp {

QString programDir()
{
    return QProcessEnvironment::systemEnvironment().value(QStringLiteral("GLOSSAND_PROGRAM_DIR"));
}

QString dataSourceDir()
{
    return QStringLiteral(GLOSSAND_DATA_SOURCE_DIR);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace ShippedHelp

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = ShippedHelp::runHelpFilesTest(argc, argv);
    failures += ShippedHelp::runTextsTest(argc, argv);
    return failures;
}
