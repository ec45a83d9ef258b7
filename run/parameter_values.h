#pragma once

#include <QString>

// Range, default and editing limits of one number edit of the parameter dialog.
struct NumberField {
    int minimum;
    int maximum;
    int defaultValue;
    int step;      // of the spin button
    int maxLength; // characters the edit takes
};

inline constexpr NumberField TimeLimitField{500, 5000, 3000, 100, 4};
inline constexpr NumberField RoundsField{4, 200, 20, 4, 3};

// The value of a number edit: its text as an integer, or the field's minimum when the
// text is not a number. Not clamped: 300 reads as 300.
int ReadNumberEdit(const QString& text, const NumberField& field);

// The text a number edit shows after a value is written: clamped into the range first.
QString WriteNumberEdit(int value, const NumberField& field);

// Outcome of the start button for the given rounds text.
struct StartCheck {
    bool accepted;      // close with result 1
    bool corrected;     // the count was cut to a multiple of 4: tell the user, stay open
    QString roundsText; // what the rounds edit shows afterwards
};

StartCheck CheckRoundsOnStart(const QString& roundsText);

// The texts of both edits after the repair every close does.
struct RepairedTexts {
    QString timeText;
    QString roundsText;
};

RepairedTexts RepairOnClose(const QString& timeText, const QString& roundsText);
