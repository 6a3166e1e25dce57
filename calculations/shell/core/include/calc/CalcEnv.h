#pragma once

#include "calc/MessageService.h"
#include "calc/SettingsStore.h"

namespace calc {

// The program's title: caption of English and unlocalised message boxes.
inline constexpr const char* kAppTitle = "Calculations for Tarvik";
// Settings application name, also the caption of German and French message boxes.
inline constexpr const char* kSettingsApp = "Arbormate";
inline constexpr const char* kLocalCaption = "Arbormate";
// Where the language lives: [Calcs] Language= in Arbormate.ini.
inline constexpr const char* kLanguageSection = "Calcs";
inline constexpr const char* kLanguageKey = "Language";

// Millimetres per inch.
inline constexpr double kMmPerInch = 25.4;
// Inches per millimetre: this double, not 1 / 25.4 (which differs in the last digit).
inline constexpr double kInchPerMm = 0.0393700787401575;
// Pi as the calculators have always used it, not the full-precision value.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kFeetPerMetre = 3.280839895;

enum class Language { None, English, German, French };

// What calculator code needs from its surroundings. Passed to every operation that
// reads a setting or tells the machinist something; there are no singletons.
struct CalcEnv {
    SettingsStore& settings;
    IMessageService& messages;
    // The desktop's language: used wherever no language is stored. The program sets it
    // from the system locale; it is never written to the settings.
    Language desktopLanguage = Language::English;
};

}  // namespace calc
