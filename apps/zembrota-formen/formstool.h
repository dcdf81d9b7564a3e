// zembrota-formen: a Latin text's vocabulary by the course's lessons, or every word's entries and
// analyses as tab-separated lines.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace FormsTool {

struct Outcome
{
    int exitCode = 0;
    QByteArray out; // UTF-8
    QByteArray err; // UTF-8, German
};

// Runs the tool on its arguments (without the program name). programDir holds the word list unless
// --liste names one; standardInput is read when no text file is named.
Outcome run(const QStringList &arguments, const QString &programDir, const QByteArray &standardInput);

// Whether these arguments read the text from standard input: no text file named, no --help or
// --version.
bool readsStandardInput(const QStringList &arguments);

// A text's bytes as UTF-8 when they are valid UTF-8, as Windows-1252 otherwise.
QString decodeText(const QByteArray &bytes);

// The words of a text: maximal runs of letters, in order.
QStringList wordsOf(const QString &text);

// "1.12" gives book 1, lesson 12; "3.4.1" gives book 3, lesson code 7. False when it is no lesson.
bool parseLesson(const QString &text, int &book, int &lesson);

} // namespace FormsTool
