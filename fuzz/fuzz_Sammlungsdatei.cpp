// Any bytes read as a collection file: the reader takes them without fault,
// reports a failure exactly when the last record is incomplete, reads the
// same as the decoder of whole records, and what it read encodes and decodes
// to itself.

#include "model/USammlungsdatei.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

void Pruefe(bool bedingung) {
  if (!bedingung) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const int fd = memfd_create("sammlung", MFD_CLOEXEC);
  Pruefe(fd >= 0);
  Pruefe(write(fd, daten, groesse) == static_cast<ssize_t>(groesse));
  const TLeseErgebnis gelesen = TSammlungsLeser("/proc/self/fd/" + std::to_string(fd)).LiesAlles();
  close(fd);

  using namespace Sammlungsdatei;
  const std::size_t ganze = groesse / RecordSize;
  Pruefe(gelesen.Fehler.empty() == (groesse % RecordSize == 0));
  Pruefe(gelesen.Inhalt == DecodeSammlung(daten, ganze));

  const std::vector<std::uint8_t> bytes = EncodeSammlung(gelesen.Inhalt);
  Pruefe(bytes.size() % RecordSize == 0 && bytes.size() <= ganze * RecordSize);
  Pruefe(DecodeSammlung(bytes.data(), bytes.size() / RecordSize) == gelesen.Inhalt);
  return 0;
}
