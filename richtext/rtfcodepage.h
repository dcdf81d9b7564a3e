// Code pages of RTF text: \'hh bytes in the document's or the font's 8-bit code page.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace Rtf {

// The code page a font's \fcharsetN selects; 0 when the charset means "the document's code page".
int codePageForCharset(int charset);

// One decoder per code page: single-byte pages through a table, multi-byte pages (Shift-JIS, GBK,
// Korean, Big5, UTF-8) through the platform's converter. Immutable once built.
class CodePage
{
public:
    explicit CodePage(int number);

    // The page of a code page number, built once per process on first use and shared by every
    // document and thread: a page's table takes 128 converter calls to build. A number that names
    // no page this reader knows gets the Windows-1252 page.
    static const CodePage &forNumber(int number);

    bool isSingleByte() const { return m_singleByte; }
    bool isSymbolFont() const { return m_symbol; }
    int number() const { return m_number; }
    char16_t unit(unsigned char byte) const { return m_table[byte]; }
    QString decodeMultiByte(const QByteArray &bytes) const;

private:
    bool m_singleByte = true;
    bool m_symbol = false;
    int m_number = 0;
    QByteArray m_name;
    std::array<char16_t, 256> m_table{};
};

// The code pages a document uses: the process-wide pages.
class CodePages
{
public:
    static const CodePage &get(int number) { return CodePage::forNumber(number); }
};

} // namespace Rtf
