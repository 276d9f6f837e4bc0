#pragma once
// Numbered failures, as the player sees them in the general error box.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace filmotas {

namespace failure {
inline constexpr std::int16_t kOverflow = 6;
inline constexpr std::int16_t kSubscriptOutOfRange = 9;
inline constexpr std::int16_t kTypeMismatch = 13;
inline constexpr std::int16_t kBadFileNameOrNumber = 52;
inline constexpr std::int16_t kFileNotFound = 53;
inline constexpr std::int16_t kFileAlreadyOpen = 55;
inline constexpr std::int16_t kDeviceIoError = 57;
inline constexpr std::int16_t kBadRecordLength = 59;
inline constexpr std::int16_t kDiskFull = 61;
inline constexpr std::int16_t kPermissionDenied = 70;
inline constexpr std::int16_t kPathFileAccessError = 75;
inline constexpr std::int16_t kPathNotFound = 76;
inline constexpr std::int16_t kInvalidPropertyValue = 380;
}  // namespace failure

class Failure : public std::runtime_error {
 public:
  explicit Failure(std::int16_t number);
  std::int16_t number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  std::int16_t number_;
  std::string description_;
};

// Counts one up: 16-bit counters overflow into failure 6, never into negative numbers.
void raiseCount(std::int16_t& counter);

// The Spanish description of a failure number.
std::string describeFailure(std::int16_t number);

// The failure nearest to an operating-system error (an errno value).
Failure failureFromErrno(int error);

// Text of the general error box: "Error 53:" CRLF CRLF "No se encontró el archivo".
std::string generalErrorText(const Failure& failure);

inline constexpr const char* kGeneralErrorTitle = "Error";

}  // namespace filmotas
