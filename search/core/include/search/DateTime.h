#pragma once

#include <cstdint>
#include <ctime>

namespace scarrow {

// A date and time as days since 30 December 1899 (the fraction is the time of day),
// with a validity status: the form the history file stores. Before 30 December 1899
// the whole days are negative and the fraction still counts forward from midnight,
// so -1.25 is 29 December 1899, 06:00.
class CDateTime {
public:
    enum class Status : std::int32_t { Valid = 0, Invalid = 1, Null = 2 };

    struct Parts {
        int year = 1899;
        int month = 12;
        int day = 30;
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    CDateTime() = default;
    // A value outside the years 100 to 9999, or not a number, is kept Invalid.
    explicit CDateTime(double days, Status status = Status::Valid);

    // Invalid when a part is out of range (month 13, 31 April, hour 24, year 10000...).
    static CDateTime FromParts(const Parts& parts);
    static CDateTime FromDate(int year, int month, int day, int hour = 0, int minute = 0,
                              int second = 0);
    // Seconds since 1970 UTC, converted to local time.
    static CDateTime FromTimeT(std::time_t t);
    static CDateTime Now();    // local time
    static CDateTime Today();  // local date, 00:00:00

    Status GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == Status::Valid; }
    double GetValue() const { return m_dt; }
    // The whole days, truncated towards zero (the calendar day for either sign).
    std::int64_t DayNumber() const;
    // False (parts unchanged) when the date is not valid.
    bool GetParts(Parts& parts) const;

    // Equal when the statuses are equal and, for valid dates, the values too.
    bool IsEqual(const CDateTime& other) const;

    double m_dt = 0.0;
    Status m_status = Status::Valid;
};

}  // namespace scarrow
