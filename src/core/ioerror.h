// Input/output failures and their German messages.
#pragma once

#include <stdexcept>
#include <string>

namespace mensurio {

// The input/output codes the messages know.
enum IoCode : int {
  kIoFileNotFound = 2,
  kIoInvalidName = 3,
  kIoTooManyFiles = 4,
  kIoAccessDenied = 5,
  kIoReadPastEof = 100,
  kIoDiskFull = 101,
  kIoBadNumeric = 106,
};

class IoError : public std::runtime_error {
 public:
  explicit IoError(int code);
  int code() const { return code_; }

 private:
  int code_;
};

// "Datei nicht gefunden", ..., "I/O-Fehler %d" for a code without a text.
std::string IoErrorText(int code);

// The text of the application-wide error report: the message and ".".
std::string IoErrorReport(int code);

// The code of an errno value.
int IoCodeFromErrno(int err);

}  // namespace mensurio
