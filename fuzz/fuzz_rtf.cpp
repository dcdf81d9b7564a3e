// Fuzzes the RTF reader into a QTextDocument, then lays the document out and reads its text back,
// as the viewer and the authoring program do with every topic they show.
#include "fuzz/fuzzsupport.h"
#include "richtext/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Fonts and layouts need a GUI application; offscreen needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    QTextDocument document;
    const bool read = Rtf::read(bytes, &document);
    if (read != Rtf::isRtf(bytes))
        std::abort();
    if (!read && !document.isEmpty())
        std::abort(); // a refused input leaves the document empty
    document.setTextWidth(400);
    document.documentLayout()->documentSize();
    document.toPlainText();
    return 0;
}
