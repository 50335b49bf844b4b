#include "model/UDatbas.h"

TDatBas::~TDatBas() {
  ClearFilme();
  ClearSpiele();
}
