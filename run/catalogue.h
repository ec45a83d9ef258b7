#pragma once

#include "app/language.h"

#include <QString>

#include <array>

class Random;

// Run picture list: 0..87 are stimulus and target pictures, 88 the background of the cross.
constexpr int StimulusPictureCount = 88;
constexpr int BackgroundPicture = 88;

// Target positions on screen.
constexpr int PositionTop = 1;
constexpr int PositionLeft = 2;
constexpr int PositionRight = 3;
constexpr int PositionBottom = 4;

struct ExerciseType {
    int family;  // 1 colours and words, 2 digits and counts
    int version; // 1..4
};

inline constexpr std::array<ExerciseType, 8> ExerciseTypes{
    {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 2}, {2, 3}, {2, 4}}};

// Relevant value: what the user must answer by; other value: what the user must ignore.
struct StimulusAttributes {
    qint32 relevant = 0;
    qint32 other = 0;
    bool operator==(const StimulusAttributes&) const = default;
};

using AttributeTable = std::array<StimulusAttributes, StimulusPictureCount>;

// Writes the pairs of the pictures the exercise type uses; every other entry is left alone.
void FillAttributeTable(AttributeTable& table, int family, int version);

struct TargetRecord {
    qint32 identity = 0;
    int picture = -1;
    bool operator==(const TargetRecord&) const = default;
};

// Record 0 is "none" (identity 0); records 1..4 are shown at positions 1..4.
using TargetSet = std::array<TargetRecord, 5>;

// Target picture of identity 1..4: the colour patches (family 1) or the digits (family 2); -1 otherwise.
int TargetPicture(int family, int identity);

// Records 1..4 back to identities 1..4 in order.
void ResetTargetSet(TargetSet& targets, int family);

// Congruent stimuli: the ignored dimension agrees with the relevant one.
inline constexpr std::array<int, 16> ExcludedPictures{12, 17, 22, 27, 40, 41, 42, 55,
                                                      56, 57, 70, 71, 72, 85, 86, 87};

bool IsExcludedPicture(int picture);

// One draw for class 0..3 (correct identity class + 1), excluded pictures included;
// -1 for an unknown exercise type.
int DrawStimulusOnce(int family, int version, int stimulusClass, Random& random);

// Draws again with fresh numbers until the picture is not excluded.
int DrawStimulus(int family, int version, int stimulusClass, Random& random);

// TextTable index of the word that says what to respond to (0..3).
int LabelWordIndex(int family, int version);
QString LabelWord(const TextTable& texts, int family, int version);

// The family's two label words joined by "/".
QString FamilyLabel(const TextTable& texts, int family);

QString VersionLabel(int language, int version);

// position 1 random, 2 fixed.
QString PositionLabel(int language, int position);

// "Z-" followed by family, version and position digit.
QString TypeKey(int family, int version, int position);

// TextTable index of the name of identity 1..4 (12..19).
int IdentityNameIndex(int family, int identity);
QString IdentityName(const TextTable& texts, int family, int identity); // empty outside 1..4
