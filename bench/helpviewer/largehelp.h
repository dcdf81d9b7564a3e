// A generated help of many topics, written into a program directory for the viewer benchmarks.
#pragma once

#include "helpfile/helpfile.h"

#include <QByteArray>
#include <QString>

namespace LargeHelp {

// Topic names are "Thema 1" to "Thema <topics>"; rich bodies are RTF documents of a few
// formatted paragraphs, plain bodies a few lines of text.
QByteArray compose(HelpFile::Kind kind, int topics);
QString topicName(int number);

} // namespace LargeHelp
