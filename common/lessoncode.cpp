// Book 3 lesson codes as display texts.
#include "common/lessoncode.h"

QString LessonCodeText(int code)
{
    if (code < 1 || code > 40)
        return {};
    return QStringLiteral("%1.%2").arg((code + 1) / 2).arg(2 - code % 2);
}
