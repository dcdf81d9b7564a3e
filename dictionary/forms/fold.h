// Spelling folds for matching Latin forms: case, u/v, i/j, macrons and breves, æ/œ.
#pragma once

#include <QStringView>

#include <string>
#include <string_view>

namespace Forms {

// The folded key of a typed or read word: lower case, "v" as "u", "j" as "i", accents and
// macrons dropped ("Āmāvit" gives "amauit"), "æ" as "ae". Blanks and hyphens stay (multi-word
// heads, "-que"). Empty when the word holds a character that no Latin form has.
std::string foldWord(QStringView word);

// The same fold for the engine's own forms, which are plain ASCII.
void foldAscii(std::string_view form, std::string &out);

} // namespace Forms
