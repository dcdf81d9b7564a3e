// The RTF parser: one pass over the bytes, an explicit bounded stack of group states.
#pragma once

#include "richtext/rtfcodepage.h"
#include "richtext/rtfdocumentbuilder.h"
#include "richtext/rtfkeywords.h"
#include "richtext/rtfstate.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace Rtf {

class Parser
{
public:
    // Groups nested deeper than this share the state of the deepest one; their braces are still
    // counted, so no input can make the stack (or anything else) grow without bound.
    static constexpr int maxDepth = 1000;
    static constexpr int maxWordLength = 32;
    static constexpr int maxTwips = 31680; // 22 inches, wider than any page

    Parser(const QByteArray &bytes, DocumentBuilder &builder);
    void run();

private:
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    struct PictureData
    {
        enum class Kind { Other, Png, Jpeg, Dib, Metafile } kind = Kind::Other;
        QByteArray data;
        int nibble = -1;
        int width = 0; // \picwN: pixels, or hundredths of a millimetre for a metafile
        int height = 0;
        int widthGoal = 0;
        int heightGoal = 0;
        int scaleX = 100;
        int scaleY = 100;
    };

    // \uN counts in signed 16 bits; what lies outside any reading of that is no character.
    static char16_t unicodeUnit(std::int64_t value);
    static int twips(int value);

    void openGroup();
    bool closeGroup(); // false once the outermost group is closed
    void controlSequence();
    void controlWord(std::string_view word, bool hasParam, int param);
    bool destinationWord(Keyword keyword);
    void shapeWord(Keyword keyword);
    void formatWord(Keyword keyword, bool hasParam, int param);
    void tableWord(Keyword keyword, int param);
    void skipGroup();
    void appendBody(QStringView text);
    void flushListMarker();
    char16_t symbolUnit(char16_t unit);
    void controlSymbol(char symbol);
    void plainText();
    char16_t inlineUnicode();
    void hexByte();
    void textByte(unsigned char byte);
    void emitText(QStringView text);
    void emitChar(char16_t unit) { emitText(QStringView(&unit, 1)); }
    void flushPendingBytes();
    void skipBinary(int count);
    void finishFontEntry();
    void finishPicture(const GroupState &parent);
    void finishGroup(const GroupState &closed);
    const CodePage &codePage();

    const char *m_pos;
    const char *m_end;
    DocumentBuilder &m_builder;
    Formats &m_formats;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_overflow = 0; // groups opened beyond maxDepth, not yet closed
    bool m_started = false;
    int m_unicodeSkipLeft = 0; // fallback characters of the last \uN still to skip

    CodePages m_codePages;
    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    const CodePage *m_codePage = nullptr; // of m_codePageFont; reset when the fonts change
    int m_codePageFont = -2;
    // Whether the printable ASCII bytes stand for themselves in a code page (most do; Symbol
    // fonts do not): then they are copied without the table, many at a time.
    bool asciiMapsToItself(const CodePage &page);
    const CodePage *m_asciiCheckedPage = nullptr;
    bool m_asciiItself = false;
    QByteArray m_pendingBytes;            // multi-byte code page text not yet decoded
    std::array<char16_t, 4096> m_units{}; // decoded text on its way to the builder

    int m_fontNumber = -1;
    FontEntry m_fontEntry;
    bool m_fontCodePageGiven = false; // \cpgN named the font's code page
    QByteArray m_fontName;

    bool m_colorHasValue = false;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;

    PictureData m_picture;
    bool m_shapePictureShown = false; // the shape being read showed its picture: not its result

    QString m_fieldInstruction;
    QString m_bookmark;
    QString m_shapeProperty;
    // The number or bullet of a list paragraph waits for the paragraph's own text: then the
    // paragraph's table state is known, and a second list text for the same paragraph replaces it.
    QString m_listMarker;
    CharState m_listMarkerChars;
};

} // namespace Rtf
