// The checks a new topic must pass before it is added, in the order the dialogs run them.
#pragma once

#include <QString>

namespace TopicValidation {

enum class Problem {
    None,
    NoName,       // the name is empty
    ReservedName, // exactly "Inhalt" or "Index": the viewer's contents and index pages
    NoRtfFile,    // an RTF topic without a file
    NoText,       // a typed topic without text
};

// The name as typed: neither trimmed nor compared in other letter case, so " Inhalt" and "index"
// pass. Nothing else is checked: existing names, brackets and unreadable files are accepted.
Problem checkRtfTopic(const QString &name, const QString &rtfFile);
Problem checkTxtTopic(const QString &name, const QString &text);

} // namespace TopicValidation
