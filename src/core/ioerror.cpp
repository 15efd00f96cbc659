#include "ioerror.h"

#include <cerrno>

namespace mensurio {

IoError::IoError(int code) : std::runtime_error(IoErrorText(code)), code_(code) {}

std::string IoErrorText(int code) {
  switch (code) {
    case kIoFileNotFound: return "Datei nicht gefunden";
    case kIoInvalidName: return "Ungültiger Dateiname";
    case kIoTooManyFiles: return "Zu viele Dateien geöffnet";
    case kIoAccessDenied: return "Dateizugriff verweigert";
    case kIoReadPastEof: return "Lesen nach Dateiende (EOF)";
    case kIoDiskFull: return "Kapazität der Diskette/Festplatte erschöpft";
    case kIoBadNumeric: return "Ungültige numerische Eingabe";
    default: return "I/O-Fehler " + std::to_string(code);
  }
}

std::string IoErrorReport(int code) { return IoErrorText(code) + "."; }

int IoCodeFromErrno(int err) {
  switch (err) {
    case ENOENT: case ENOTDIR: return kIoFileNotFound;
    case ENAMETOOLONG: case EINVAL: case EISDIR: return kIoInvalidName;
    case EMFILE: case ENFILE: return kIoTooManyFiles;
    case EACCES: case EPERM: case EROFS: case ETXTBSY: case EBUSY: return kIoAccessDenied;
    case ENOSPC: case EDQUOT: case EFBIG: return kIoDiskFull;
    default: return err > 0 ? err : 1;  // shown as "I/O-Fehler <n>"
  }
}

}  // namespace mensurio
