#pragma once

#include <cstdint>

#include "platform/types.h"

// A date and time as Unix seconds of the same clock as the TDateTime it came from:
// no time zone is applied either way, so formatting shows the TDateTime's fields.
class JXDateTime {
public:
    static constexpr int UnixEpochDay = 25569;
    static constexpr int SecondsPerDay = 86400;

    // The system's current Unix time (UTC).
    JXDateTime();
    explicit JXDateTime(TDateTime dt);
    JXDateTime& operator=(TDateTime dt);

    TDateTime ToDateTime() const;
    // Invalid parts raise EConvertError.
    void Encode(int year, int month, int day, int hour, int minute, int second);
    void AddDays(int n);
    // strftime of Time shifted by Offset hours; empty for an empty pattern.
    AnsiString Format(const AnsiString& pattern) const;
    AnsiString Year() const;
    AnsiString Month() const;
    AnsiString Day() const;
    int GetTime() const { return Time; }

    std::int32_t Time = 0;
    std::int32_t Offset = 0;
};
