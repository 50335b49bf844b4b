#include "platform/Dateifehler.h"

#include <cerrno>

std::string DateiFehlerText(int errnum) {
  switch (errnum) {
    case ENOENT:
      return "Datei nicht gefunden";
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
    case EILSEQ:
      return "Ungültiger Dateiname";
    case EMFILE:
    case ENFILE:
      return "Zu viele geöffnete Dateien";
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
      return "Dateizugriff verweigert";
    case ENOSPC:
    case EDQUOT:
      return "Zu wenig Speicherplatz";
    default:
      return "E/A-Fehler " + std::to_string(errnum);
  }
}
