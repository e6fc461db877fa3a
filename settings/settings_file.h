#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "settings/settings.h"

namespace olk {

// "Olk.ini", beside the program: exactly 35 lines of Windows-1251 text, each
// ended by CR LF (LF alone is accepted on reading).
//
//   1  "<# General>"            19 network game server address
//   2  general flags, 20 chars  20 network game port
//   3  "<# Cards>"              21 "<# Background>"
//   4  card set number          22 background (2 digits) + colour digit
//   5  "<# Decks>"              23 "<# Name Of Player>"
//   6  deck (2 digits) + "1"    24 player's name
//      for "Always one" or "0"  25 "<# World Top Ten>"
//   7  "<# Individual>"         26 online service address, enciphered
//   8  rule options: "1"/"0"    27 passport nick (at most 12)
//      for three of a kind,     28 passport country "C-NNN"
//      punish the knocker,      29 passport city (at most 15)
//      then "####"              30 passport sex "M" or "W"
//   9  "<# Fonts>"              31 statistics service address, enciphered
//  10-13 font family names      32 "<# Save Games as GIF>"
//      decor, serif, fixed,     33 byte 0xE8 on, 0xEB off
//      conew                    34 picture area 1 or 2
//  14-17 their scales, percent  35 delay between frames, ms
//  18 "<# IP & Port>"
//
// Header lines are never interpreted. A file of fewer than 35 lines gives all
// defaults. Reading goes line by line and stops at the first line that fails
// its length test; what was read before it stays, the rest keeps its
// defaults. A value the writer never produces (a non-digit where a digit
// belongs, a number out of its range) falls back to that field's default.
inline constexpr int kSettingsLines = 35;
inline constexpr const char* kSettingsFileName = "Olk.ini";
// The player's answer about the anonymous statistics, beside "Olk.ini": one
// line, "1" send or "0" do not. Missing or unreadable: not asked yet.
inline constexpr const char* kStatisticsConsentFileName = "OlkStat.ini";

struct SettingsRead {
    Settings settings;
    // Interpretation reached the end of the file: the online configuration
    // may be fetched now.
    bool complete = false;
    // The file's lines as they were, for a later save to keep the ones whose
    // values did not change byte for byte; empty unless the read was
    // complete.
    QList<QByteArray> lines;
};

// Lines as read from the file, in Windows-1251, without line ends.
SettingsRead settingsFromLines(const QList<QByteArray>& lines);
QList<QByteArray> settingsToLines(const Settings& settings);

// Reads exe folder + "Olk.ini" (and the statistics answer beside it); a
// missing or unreadable file gives defaults.
SettingsRead loadSettings(const QString& folder);

// The start of the program: the settings file, then the language rule of the
// local club file "Olk.clb" in the same folder (startupLanguage), and then the
// four font family names go back to their defaults, so names read from the
// file do not outlast the start while the scales do.
SettingsRead loadStartupSettings(const QString& folder);

// Writes exe folder + "Olk.ini" through a temporary file that replaces the
// old one only once it is complete, so a failed write never loses it. False
// when the file could not be written (the caller says "Can`t save options!").
// The statistics answer, once given, is written beside it.
// `asRead` are the lines of the file as it was read: a line whose value
// the program did not change is written back exactly as it stood, so bytes
// the code page leaves undefined, or a number written "05", survive.
bool saveSettings(const QString& folder, const Settings& settings,
                  const QList<QByteArray>& asRead = {});

// Drawn height of text of a wanted size in a family scaled by `percent`:
// size x percent / 100, rounded to the nearest integer, halves to even.
int scaledFontHeight(int size, int percent);

}  // namespace olk
