// Book 3 stores its lessons as codes 1 to 40; they are shown as "1.1" to "20.2".
#pragma once

#include <QString>

// Code n stands for lesson a.b with a = (n + 1) div 2 and b = 2 - (n mod 2); codes outside 1 to 40
// have no text (empty result).
QString LessonCodeText(int code);
