// The loader of Qt's German texts.
#include "common/ui/germantexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace GermanTexts {

void install()
{
    // Lives as long as the process, as the application keeps only a pointer to it.
    static QTranslator translator;
    if (translator.isEmpty() &&
        translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

} // namespace GermanTexts
