#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <unordered_map>

// Code pages of RTF text: the document's \ansicpg and the fonts' \fcharset. Internal to the reader.
namespace rtf::detail {

// Pseudo code page for fonts of the symbol character set (\fcharset2).
constexpr int kSymbolCodePage = 42;

// The code page of a font's \fcharset; the ANSI and default sets (0, 1) and unknown sets use the document's.
int codePageForCharset(int charset, int documentCodePage);

// Decodes bytes of any code page. Code pages that Qt cannot decode fall back to Windows-1252, else Latin-1.
class CodePageDecoder
{
public:
    QString decode(int codePage, const QByteArray& bytes);

private:
    QStringDecoder& decoderFor(int codePage);

    std::unordered_map<int, QStringDecoder> m_decoders;
};

} // namespace rtf::detail
