#include "history/local_date.h"

#include <cstdio>
#include <ctime>

namespace filmotas {

namespace {

// The number of `count` digits at `at`, or -1 when any of them is not a digit.
int digits(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool isOffset(std::string_view text) {
  if (text == "Z") return true;
  if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') return false;
  const int hours = digits(text, 1, 2);
  const int minutes = digits(text, 4, 2);
  return hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59;
}

}  // namespace

std::string isoLocalDate(std::chrono::system_clock::time_point moment) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
  std::tm local{};
  localtime_r(&seconds, &local);
  const int offset = static_cast<int>(local.tm_gmtoff / 60) % (24 * 60);   // minutes east of UTC
  const int shownOffset = offset < 0 ? -offset : offset;
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                offset < 0 ? '-' : '+', shownOffset / 60, shownOffset % 60);
  return text;
}

// "YYYY-MM-DDTHH:MM:SS" and an offset.
bool isIsoLocalDate(std::string_view text) {
  if (text.size() < 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':') {
    return false;
  }
  const int year = digits(text, 0, 4);
  const int month = digits(text, 5, 2);
  const int day = digits(text, 8, 2);
  const int hour = digits(text, 11, 2);
  const int minute = digits(text, 14, 2);
  const int second = digits(text, 17, 2);
  return year >= 0 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month) &&
         hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 60 &&
         isOffset(text.substr(19));
}

std::string shownDate(std::string_view isoDate) {
  if (isoDate.size() < 16) return std::string(isoDate);
  std::string shown;
  shown.append(isoDate.substr(8, 2)).append("/").append(isoDate.substr(5, 2)).append("/");
  shown.append(isoDate.substr(0, 4)).append(" ").append(isoDate.substr(11, 5));
  return shown;
}

}  // namespace filmotas
