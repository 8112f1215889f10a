#pragma once

#include "course/Results.h"

#include <optional>
#include <string>

// The settings of a mental-arithmetic set as typed into their boxes (UTF-8).
// 秒数 only where numbers are flashed.
struct MentalSettingsEntry {
    std::string digits;
    std::string count;
    std::string questions;
    std::optional<std::string> seconds;
};

enum class MentalSetting { Digits, Count, Seconds, Questions };

struct SettingsProblem {
    MentalSetting setting;
    std::string message;  // what the message box says
};

// Settings are checked strictly before a set starts: the whole box must be
// a number in its range (blanks around it aside), a whole one where a whole
// one is asked. Unlike an answer box, nothing is read as 0 or cut short.
struct MentalSettingsCheck {
    // The numbers read; `mixed` and `presentation` are the window's to fill.
    MentalSettings settings;
    // The first setting that is out of range, in the order of the boxes.
    std::optional<SettingsProblem> problem;
};

MentalSettingsCheck CheckMentalSettings(const MentalSettingsEntry& entry);

// A number shown for less than this a child guesses rather than reads.
inline constexpr double ShortestFlashSeconds = 0.1;
