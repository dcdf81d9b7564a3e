// Generates a large RTF document of formatted German text, written the way word processors do.
#pragma once

#include <QByteArray>

namespace GermanRtf {

// About targetBytes of RTF: headings, justified and indented paragraphs with bold, italic,
// underlined, coloured and resized words, umlauts as \'hh and \uN escapes, lists and small tables.
// The same size always gives the same document.
QByteArray generate(qsizetype targetBytes);

} // namespace GermanRtf
