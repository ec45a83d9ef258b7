#pragma once

#include <QString>

// "optionen.cfg": exactly 8 bytes, two little-endian 32-bit integers.
struct OptionsRecord {
    qint32 useJoystick = 1; // 1: answers may come from the joystick; anything else: keyboard only
    qint32 reserved = 30;   // kept as read and written back unchanged
    bool operator==(const OptionsRecord&) const = default;
};

OptionsRecord& optionsRecord();

// A missing, short or unreadable file gives both defaults, never a mix.
OptionsRecord LoadOptionen(const QString& path);
// Replaces the file with the 8-byte record; false when it could not be written.
bool SaveOptionen(const OptionsRecord& options, const QString& path);
