#include "server/PortableDateText.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace kestrane::server {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr sys_days kDayZero = std::chrono::year(1899) / 12 / 30;
constexpr long long kFirstDay = -657434;  // 1/1/100
constexpr long long kLastDay = 2958465;   // 12/31/9999
constexpr long long kSecondsPerDay = 86400;

std::string DayText(long long day) {
  const year_month_day date{kDayZero + days(day)};
  return std::to_string(static_cast<unsigned>(date.month())) + "/" +
         std::to_string(static_cast<unsigned>(date.day())) + "/" +
         std::to_string(static_cast<int>(date.year()));
}

std::string TimeText(long long seconds) {
  const long long hour = seconds / 3600;
  const long long hour12 = hour % 12 == 0 ? 12 : hour % 12;
  char text[16];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld %s", hour12, seconds / 60 % 60, seconds % 60,
                hour < 12 ? "AM" : "PM");
  return text;
}

}  // namespace

std::optional<std::string> OleDateText(double date) {
  if (!(date > kFirstDay - 1 && date < kLastDay + 1)) return std::nullopt;
  // The whole part counts days either side of day zero; the fraction is always a time of day
  // forward from midnight, also for negative dates.
  const double whole = std::trunc(date);
  long long day = static_cast<long long>(whole);
  long long seconds = std::llround(std::fabs(date - whole) * kSecondsPerDay);
  if (seconds == kSecondsPerDay) {
    ++day;
    seconds = 0;
  }
  if (day < kFirstDay || day > kLastDay) return std::nullopt;
  if (day == 0) return TimeText(seconds);
  if (seconds == 0) return DayText(day);
  return DayText(day) + " " + TimeText(seconds);
}

}  // namespace kestrane::server
