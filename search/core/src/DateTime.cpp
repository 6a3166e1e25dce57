#include "search/DateTime.h"

#include <chrono>
#include <cmath>

namespace scarrow {
namespace {

// The range the history file's dates can take: 1 January 100 to 31 December 9999.
constexpr double kMinDays = -657434.0;
constexpr double kMaxDays = 2958465.999999;

// Days from 1 January 1970 for a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);  // days 1970 -> 1899

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

CDateTime::CDateTime(double days, Status status) : m_dt(days), m_status(status) {
    if (m_status == Status::Valid && !(days >= kMinDays && days <= kMaxDays)) {
        m_status = Status::Invalid;
    }
}

CDateTime CDateTime::FromParts(const Parts& p) {
    if (p.year < 100 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 ||
        p.day > DaysInMonth(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
        p.minute > 59 || p.second < 0 || p.second > 59) {
        return CDateTime(0.0, Status::Invalid);
    }
    const std::int64_t days =
        DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) -
        kEpochOffset;
    const double fraction = (p.hour * 3600.0 + p.minute * 60.0 + p.second) / 86400.0;
    // Before the epoch the fraction still counts forward from midnight.
    const double value =
        days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
    return CDateTime(value);
}

CDateTime CDateTime::FromDate(int year, int month, int day, int hour, int minute, int second) {
    return FromParts(Parts{year, month, day, hour, minute, second});
}

CDateTime CDateTime::FromTimeT(std::time_t t) {
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) return CDateTime(0.0, Status::Invalid);
    // A leap second shows as second 60; the day's last second stands in for it.
    return FromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                    local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
}

CDateTime CDateTime::Now() {
    return FromTimeT(std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()));
}

CDateTime CDateTime::Today() {
    CDateTime now = Now();
    Parts parts;
    if (!now.GetParts(parts)) return now;
    parts.hour = parts.minute = parts.second = 0;
    return FromParts(parts);
}

std::int64_t CDateTime::DayNumber() const {
    if (!(m_dt >= kMinDays - 1 && m_dt <= kMaxDays + 1)) return 0;
    return static_cast<std::int64_t>(std::trunc(m_dt));
}

bool CDateTime::GetParts(Parts& parts) const {
    if (!IsValid()) return false;
    std::int64_t days = static_cast<std::int64_t>(std::trunc(m_dt));
    double fraction = std::fabs(m_dt - static_cast<double>(days));
    std::int64_t seconds = std::llround(fraction * 86400.0);
    if (seconds >= 86400) {
        seconds = 0;
        ++days;
    }
    Parts p;
    CivilFromDays(days + kEpochOffset, p.year, p.month, p.day);
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    parts = p;
    return true;
}

bool CDateTime::IsEqual(const CDateTime& other) const {
    if (m_status != other.m_status) return false;
    return m_status != Status::Valid || m_dt == other.m_dt;
}

}  // namespace scarrow
