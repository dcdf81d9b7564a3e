// The figures of the status window as one value: the main window keeps and updates it, the status
// window shows it. An empty figure has not been written yet in this run.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

struct StatusFigures
{
    struct WordCounts
    {
        int total = 0;                   // items of the list of all words
        std::array<qint16, 3> perBook{}; // words of book 1, 2 and 3 (16-bit counters)
    };
    struct FileFigures
    {
        qint64 size = 0; // bytes of the word list file
        int lineCount = 0;
        QString lastChange; // already shortened by its last four characters
    };

    // Written once when the main window loads.
    std::optional<WordCounts> words;
    std::optional<FileFigures> file;
    // Word counts of the lessons of the entry last found, separated by " / ".
    std::optional<QString> entryLessonWords;
    // Words of the lesson chosen last in the manual search.
    std::optional<int> manualLessonWords;
    // The 1-based number of the entry last found.
    std::optional<int> currentEntry;

    // Where the full-text search's "Weiter suchen" starts: after the entry last found, or at the
    // first entry while nothing has been found.
    int continueSearchFrom() const { return currentEntry ? *currentEntry + 1 : 1; }
};
