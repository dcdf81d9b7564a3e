// The topic checks: the name first, then the topic's content.
#include "helpauthor/topicvalidation.h"

using namespace Qt::StringLiterals;

namespace TopicValidation {

namespace {
Problem checkName(const QString &name)
{
    if (name.isEmpty())
        return Problem::NoName;
    if (name == u"Inhalt"_s || name == u"Index"_s)
        return Problem::ReservedName;
    return Problem::None;
}
} // namespace

Problem checkRtfTopic(const QString &name, const QString &rtfFile)
{
    if (const Problem problem = checkName(name); problem != Problem::None)
        return problem;
    return rtfFile.isEmpty() ? Problem::NoRtfFile : Problem::None;
}

Problem checkTxtTopic(const QString &name, const QString &text)
{
    if (const Problem problem = checkName(name); problem != Problem::None)
        return problem;
    return text.isEmpty() ? Problem::NoText : Problem::None;
}

} // namespace TopicValidation
