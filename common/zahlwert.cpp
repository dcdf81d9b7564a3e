// Zahlwert: scanning the leading number of a text, and its rounding to whole numbers.
#include "common/zahlwert.h"

#include <QByteArray>

#include <cfenv>
#include <cmath>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Walks the text past blanks; returns the next character that is not a blank, or a null QChar.
class Scanner
{
public:
    explicit Scanner(QStringView text) : m_text(text) {}
    QChar peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : QChar();
    }
    void take() { ++m_pos; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace

double Zahlwert(QStringView text)
{
    Scanner scanner(text);
    QByteArray number;
    QChar c = scanner.peek();
    if (c == u'+' || c == u'-') {
        number += char(c.unicode());
        scanner.take();
        c = scanner.peek();
    }
    bool digits = false;
    while (isDigit(c)) {
        number += char(c.unicode());
        digits = true;
        scanner.take();
        c = scanner.peek();
    }
    if (c == u'.') {
        number += '.';
        scanner.take();
        c = scanner.peek();
        while (isDigit(c)) {
            number += char(c.unicode());
            digits = true;
            scanner.take();
            c = scanner.peek();
        }
    }
    if (!digits)
        return 0.0;
    if (c == u'e' || c == u'E') {
        scanner.take();
        QByteArray exponent = "e";
        c = scanner.peek();
        if (c == u'+' || c == u'-') {
            exponent += char(c.unicode());
            scanner.take();
            c = scanner.peek();
        }
        bool exponentDigits = false;
        while (isDigit(c)) {
            exponent += char(c.unicode());
            exponentDigits = true;
            scanner.take();
            c = scanner.peek();
        }
        if (exponentDigits)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // toDouble refuses values beyond double's range: a negative exponent made it vanishingly
    // small, otherwise it is too large; the sign decides which side.
    const bool negative = number.startsWith('-');
    if (number.contains("e-"))
        return negative ? -0.0 : 0.0;
    return negative ? -HUGE_VAL : HUGE_VAL;
}

std::optional<int> roundHalfEven(double value, int min, int max)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    if (rounded < double(min) || rounded > double(max))
        return std::nullopt;
    return int(rounded);
}

std::optional<int> roundedZahlwert(QStringView text, int min, int max)
{
    return roundHalfEven(Zahlwert(text), min, max);
}
