// zembrota-formen: a Latin text's vocabulary or its forms, for pupils and teachers.
#include "apps/zembrota-formen/formstool.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    QByteArray input;
    if (FormsTool::readsStandardInput(arguments)) {
        QFile in;
        if (in.open(stdin, QIODevice::ReadOnly))
            input = in.readAll();
    }
    const FormsTool::Outcome outcome =
        FormsTool::run(arguments, QCoreApplication::applicationDirPath(), input);
    std::fwrite(outcome.out.constData(), 1, size_t(outcome.out.size()), stdout);
    std::fwrite(outcome.err.constData(), 1, size_t(outcome.err.size()), stderr);
    return outcome.exitCode;
}
