#include "support/FileTimes.h"

#include <utime.h>

#include <ctime>

std::chrono::system_clock::time_point LocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

bool SetModified(const std::filesystem::path& file, std::chrono::system_clock::time_point when) {
  const std::time_t at = std::chrono::system_clock::to_time_t(when);
  const utimbuf times{at, at};
  return ::utime(file.c_str(), &times) == 0;
}
