// A lower bound of a text's height that holds at every width of the area it is laid out in.
#pragma once

class QTextDocument;

namespace Rtf {

// Whether the document is taller than `height` (pixels) however wide it is laid out, judged
// before any layout: each top-level paragraph takes at least one line, and the line with its first
// visible character is at least as tall as that character's font (a wider line holds more text,
// never less). Paragraphs that could be lower (a picture or a raised character first, a line
// height below the font's, only blanks) and tables count nothing; false when a paragraph has a
// negative spacing, which could make paragraphs overlap.
bool tallerAtEveryWidth(const QTextDocument *document, double height);

} // namespace Rtf
