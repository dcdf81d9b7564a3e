// zembrota-formen: a Latin text's vocabulary or its forms, for pupils and teachers.
#include "apps/zembrota-formen/formstool.h"
#include "common/plainfile.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // A name whose bytes are no UTF-8 would arrive with U+FFFD in their place and name nothing.
    for (int i = 1; i < argc; ++i) {
        if (!PlainFile::nameIsReadable(QByteArray(argv[i]))) {
            const QString message =
                QStringLiteral("zembrota-formen: Die Datei kann nicht verwendet werden: ") +
                PlainFile::unreadableNameReason(QByteArray(argv[i])) + QStringLiteral(".\n");
            std::fputs(message.toLocal8Bit().constData(), stderr);
            return 1;
        }
    }
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
