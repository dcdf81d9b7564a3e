// Fuzzes Zahlwert and its rounding with arbitrary texts.
#include "common/zahlwert.h"
#include "fuzz/fuzzsupport.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const double value = Zahlwert(text);
    if (std::isnan(value))
        std::abort(); // a scanned number is never NaN
    if (const auto whole = roundedZahlwert(text, 0, 256); whole && (*whole < 0 || *whole > 256))
        std::abort();
    roundedZahlwert(text, -32768, 32767);
    return 0;
}
