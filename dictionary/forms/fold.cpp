// Spelling folds for matching Latin forms.
#include "dictionary/forms/fold.h"

#include <QString>

namespace Forms {

namespace {

inline char foldLetter(char c)
{
    if (c >= 'A' && c <= 'Z')
        c = char(c - 'A' + 'a');
    if (c == 'j')
        return 'i';
    if (c == 'v')
        return 'u';
    return c;
}

inline bool keeps(char c)
{
    return (c >= 'a' && c <= 'z') || c == ' ' || c == '-';
}

} // namespace

void foldAscii(std::string_view form, std::string &out)
{
    out.resize(form.size());
    for (size_t i = 0; i < form.size(); ++i)
        out[i] = foldLetter(form[i]);
}

std::string foldWord(QStringView word)
{
    std::string key;
    key.reserve(size_t(word.size()));
    for (QChar c : word) {
        char16_t u = c.unicode();
        if (u >= 0x80) {
            if (u == u'æ' || u == u'Æ') {
                key += "ae";
                continue;
            }
            if (u == u'œ' || u == u'Œ') {
                key += "oe";
                continue;
            }
            const QString decomposed = c.decomposition();
            if (c.decompositionTag() != QChar::Canonical || decomposed.isEmpty())
                return {};
            u = decomposed.at(0).unicode();
            if (u >= 0x80)
                return {};
        }
        const char folded = foldLetter(char(u));
        if (!keeps(folded))
            return {};
        key += folded;
    }
    return key;
}

} // namespace Forms
