#include "run/instruction_texts.h"

#include "app/language.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct TextCase {
    int family, version;
    QStringList german, english;
};

// Line by line; an empty entry is the empty line before the closing line.
const TextCase TextCases[] = {
    {1,
     1,
     {"In der Mitte erscheint eine FARBE.",
      "Bewegen Sie diese Farbe so rasch wie möglich zur passenden Farbe.", "", "FARBE zu FARBE"},
     {"A COLOR will appear in the center.", "Move the color to the matching color as fast as possible.", "",
      "COLOR to COLOR"}},
    {1,
     2,
     {"In der Mitte erscheint ein WORT.", "Bewegen Sie das Wort so rasch wie möglich zu der genannten Farbe.",
      "", "WORT zur FARBE"},
     {"A WORD will appear in the center.", "Move the word to the named color as fast as possible.", "",
      "WORD to COLOR"}},
    {1,
     3,
     {"In der Mitte erscheint ein WORT.", "Achten Sie nur auf die Farbe des Wortes!",
      "Bewegen Sie die Wortfarbe zur gezeigten Farbe.", "", "Nicht auf den Wortinhalt reagieren!"},
     {"A WORD will appear in the center.", "Just pay attention to the color of the word!",
      "Move the color of the word to the shown color.", "", "Do not respond to the meaning of the word!"}},
    {1,
     4,
     {"In der Mitte erscheint ein WORT.", "Achten Sie auf den Wortinhalt!",
      "Bewegen Sie das Wort zur genannten Farbe.", "", "Nicht auf die Schriftfarbe reagieren!"},
     {"A WORD will appear in the center.", "Just pay attention to the meaning of the word!",
      "Move the word to the mentioned color.", "", "Do not respond to the color of the font!"}},
    {2,
     1,
     {"In der Mitte erscheint eine Zahl.", "Bewegen Sie diese Zahl so rasch wie möglich zur passenden Zahl.",
      "", "ZAHL zu ZAHL"},
     {"A digit will appear in the center.", "Move the digit to the matching digit as fast as possible.", "",
      "DIGIT to DIGIT"}},
    {2,
     2,
     {"In der Mitte erscheinen Punkte.",
      "Bewegen Sie richtige Anzahl (Menge) der Punkte zu der genannten Zahl.", "", "ANZAHL zur ZAHL"},
     {"Dots will appear in the center.",
      "Move the correct number (amount) to the matching digit as fast as possible.", "", "NUMBER to DIGIT"}},
    {2,
     3,
     {"In der Mitte erscheinen mehrere Zahlen.", "Achten Sie nur auf die Anzahl der Zahlen!",
      "Bewegen Sie genannte Menge zur richtigen Zahl.", "", "Nicht auf den Zahleninhalt reagieren!"},
     {"Several digits will appear in the center.", "Just pay attention to the number of digits!",
      "Move the amount to the matching digit.", "", "Do not respond to the meaning of the digit!"}},
    {2,
     4,
     {"In der Mitte erscheinen mehrere Zahlen.", "Achten Sie nur auf die genannten Zahlen!",
      "Bewegen Sie die Zahlen zur genannten Zahl.", "", "Nicht auf die Anzahl reagieren!"},
     {"Several digits will appear in the center.", "Just pay attention to the mentioned digits!",
      "Move the matching digit to the mentioned digit.", "", "Do not respond to the numbers of digits!"}},
};

TEST(InstructionTexts, EveryTypeInBothLanguagesLineByLine) {
    for (const TextCase& c : TextCases) {
        EXPECT_EQ(InstructionText(German, c.family, c.version), c.german.join('\r')) << c.family << c.version;
        EXPECT_EQ(InstructionText(English, c.family, c.version), c.english.join('\r'))
            << c.family << c.version;
        EXPECT_FALSE(InstructionText(German, c.family, c.version).contains('\n'));
        EXPECT_TRUE(InstructionText(3, c.family, c.version).isEmpty());
        EXPECT_TRUE(InstructionText(0, c.family, c.version).isEmpty());
    }
    EXPECT_TRUE(InstructionText(German, 3, 1).isEmpty());
    EXPECT_TRUE(InstructionText(German, 1, 0).isEmpty());
    EXPECT_TRUE(InstructionText(English, 2, 5).isEmpty());
}

TEST(InstructionTexts, PromptNamesTheJoystickOnlyWhenInUse) {
    EXPECT_EQ(StartPrompt(German, true), "Starten Sie über die Leertaste oder den Joystickknopf");
    EXPECT_EQ(StartPrompt(German, false), "Starten Sie über die Leertaste");
    EXPECT_EQ(StartPrompt(English, true), "Press the space bar or the joystick button to start");
    EXPECT_EQ(StartPrompt(English, false), "Press the space bar to start");
    EXPECT_TRUE(StartPrompt(3, true).isEmpty());
    EXPECT_TRUE(StartPrompt(0, false).isEmpty());
}

TEST(InstructionTexts, CarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(WithLineBreaks(QString::fromUtf8("a\rb\r\rc")), "a\nb\n\nc");
    EXPECT_EQ(WithLineBreaks(InstructionText(English, 1, 3)).split('\n').size(), 5);
}

} // namespace
