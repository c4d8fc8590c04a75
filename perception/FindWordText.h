#pragma once

#include <QString>
#include <optional>

class Random;

// The text work of the find-word trainer, apart from its window. Texts are the text box's text, with CR LF between
// paragraphs; only the blank (code 32) separates words, so tabs and line breaks belong to the words around them.

// How many random points are tried for a phrase before the text is taken to have none.
constexpr int kMaxPhraseDraws = 10000;

// The longest phrase taken, in characters: a text without blanks would otherwise be one phrase as a whole. A phrase
// of the most words (100) of ordinary text stays well below it.
constexpr int kMaxPhraseLength = 2000;

struct PhraseDraw
{
    // The phrase with blanks and control characters trimmed from both ends.
    QString phrase;
    // Where the phrase lies in the text, as an offset from 0 (for the prompt's selection).
    int start = 0;
};

// The phrase at the random point a (0 <= a < text length): from the start of the word at a (or from a, when a
// blank stands before it) through wordCount blank-ended words, or to the end of the text; at most
// kMaxPhraseLength characters of it.
PhraseDraw phraseAt(const QString& text, int a, int wordCount);

// Draws random points until the phrase there has at least 4 characters; nullopt after maxDraws draws without one
// (an empty text, or only short words with a small word count).
std::optional<PhraseDraw> choosePhrase(const QString& text, int wordCount, Random& random,
                                       int maxDraws = kMaxPhraseDraws);

// The phrase as it is shown and searched: every tab, CR and LF with the blanks and control characters around it
// becomes one blank, and runs of blanks shrink to one.
QString normalisePhrase(const QString& phrase);

// The word at the text position i (an offset from 0): the blank-separated word that ends at or after the character
// before i, trimmed of blanks and control characters.
QString wordAt(const QString& text, int i);

// True when the clicked word is not empty and occurs in the target phrase.
bool wordMatches(const QString& word, const QString& target);

// The text box counts a paragraph break as one character while its text spells it CR LF. These convert between a
// position of the box and the offset in its CR LF text.
int textOffsetOfBoxPosition(const QString& text, int boxPosition);
int boxPositionOfTextOffset(const QString& text, int offset);
