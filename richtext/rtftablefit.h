// Tables fitted to the width of the text area: wider tables shrink, their columns in proportion.
#pragma once

class QTextDocument;

namespace Rtf {

// Gives each table of the document that is wider than width (pixels) column widths in proportion
// to its natural ones, filling the width; a table that fits again gets its natural widths back. A
// table inside a cell fits into that cell's width as its table comes out.
void fitTablesToWidth(QTextDocument *document, double width);

} // namespace Rtf
