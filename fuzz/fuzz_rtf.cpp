// Fuzzes the RTF reader into a QTextDocument and reads its text back. Documents with tables,
// frames or pictures, the structures the reader builds beyond plain paragraphs, are also laid out
// at 400 px as the viewer lays out every topic: one small document in four (at most 16 paragraphs
// and cells, a 4 x 4 table; the input's hash chooses). Laying out took as long as reading: Qt looks
// up each of the input's made-up font names through fontconfig, and its table layout takes
// milliseconds beyond a few cells. A fault in what the reader builds shows in a small table as well,
// and the fuzzer makes each structure in many inputs. Plain paragraphs are left to Qt's well-worn
// layout. Each input gets a new document: a document laid out once lays itself out again on every
// later change.
#include "fuzz/fuzzsupport.h"
#include "richtext/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QHash>
#include <QTextDocument>
#include <QTextFrame>

#include <cstdlib>

namespace {

bool needsLayout(QTextDocument &document, const QByteArray &bytes)
{
    constexpr int mostBlocks = 16;
    // The input decides, so that a finding replays alike.
    if (document.blockCount() > mostBlocks || qHash(bytes) % 4 != 0)
        return false;
    return !document.rootFrame()->childFrames().isEmpty() || bytes.contains("\\pict") ||
           bytes.contains("\\trowd") || bytes.contains("\\cell");
}

} // namespace

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
    if (read && needsLayout(document, bytes)) {
        document.setTextWidth(400);
        document.documentLayout()->documentSize();
    }
    document.toPlainText();
    return 0;
}
