// Fuzzes the zembrota.ini reader: any bytes either load into a record within the documented ranges
// or fail, and a loaded record written out again reads back the same numbers.
#include "dictionary/appearance/settings.h"
#include "fuzz/fuzzsupport.h"

#include "common/linefile.h"

#include <QBuffer>
#include <QStringList>

#include <cstdlib>

using namespace Zembrota;

namespace {

bool inRange(int value, int min, int max)
{
    return value >= min && value <= max;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = fuzzBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Farbeinstellung record;
    if (!Settings::readSettings(buffer, record))
        return 0;

    using namespace Settings;
    if (!inRange(record.rot, componentMin, componentMax) ||
        !inRange(record.gelb, componentMin, componentMax) ||
        !inRange(record.blau, componentMin, componentMax) ||
        !inRange(record.wechselzeit, intervalMin, intervalMax))
        std::abort();
    // The codes are stored as read: a line never holds the CR that ends it.
    if (record.modus.contains(u'\r') || record.wechselart.contains(u'\r'))
        std::abort();

    // What the colours dialog would write from this record reads back to the same numbers.
    const QStringList lines =
        settingsLines(record.modus, record.wechselart, QString::number(record.wechselzeit), record.rot,
                      record.gelb, record.blau);
    QByteArray written = LineFile::joinLines(lines);
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    Farbeinstellung reread;
    if (!readSettings(again, reread) || reread.rot != record.rot || reread.gelb != record.gelb ||
        reread.blau != record.blau || reread.wechselzeit != record.wechselzeit)
        std::abort();
    return 0;
}
