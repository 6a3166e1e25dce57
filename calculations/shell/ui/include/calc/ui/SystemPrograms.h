#pragma once

// Starting the desktop calculator and the system information tool.

#include <QString>
#include <QStringList>

#include "calc/CalcEnv.h"

namespace calc {

// Tried in this order; the first found on PATH is started.
inline const QStringList kCalculatorPrograms = {"gnome-calculator", "kcalc",         "galculator",
                                                "mate-calc",        "qalculate-gtk", "xcalc"};
inline const QStringList kSystemInfoPrograms = {
    "hardinfo",  "gnome-system-monitor", "plasma-systemmonitor",
    "ksysguard", "mate-system-monitor",  "xfce4-taskmanager"};

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// The full path of the first program of `names` found on PATH; empty when none is.
QString FindFirstProgram(const QStringList& names);

// Starts the desktop calculator; none found or it fails to start: MsgNoCalculator.
bool LaunchSystemCalculator(const CalcEnv& env);
// Starts the system information tool; none found or it fails to start:
// "System Information Is Unavailable At This Time" (the program's title as caption).
bool StartSysInfo(const CalcEnv& env);

}  // namespace calc
