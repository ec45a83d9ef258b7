#pragma once

#include <QString>

// What the exercise type asks for; lines are separated by a carriage return. Empty for a
// language other than German (1) and English (2) or an unknown exercise type.
QString InstructionText(int language, int family, int version);

// The start prompt; it names the joystick button only when the joystick is in use.
QString StartPrompt(int language, bool joystickInUse);

// The text as a label shows it: each carriage return starts a new line.
QString WithLineBreaks(const QString& text);
