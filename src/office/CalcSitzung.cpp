#include "office/CalcSitzung.h"

#include "office/UnoFehler.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/util/XCloseable.hpp>

using namespace css;

namespace {

// Cells gathered before they are handed over: large blocks for speed, small
// enough that a fault in a cell call shows while the cells are being put.
constexpr std::size_t Blockgroesse = 16384;

}  // namespace

TCalcSitzung::TCalcSitzung(const std::string& programmOrdner, const std::string& arbeitsOrdner) {
  Office.emplace(programmOrdner, arbeitsOrdner);
}

void TCalcSitzung::PruefeVerbunden() const {
  if (!Office || !Office->Kontext().is()) throw EFehler(ObjektGetrennt);
}

void TCalcSitzung::NeueMappe() {
  PruefeVerbunden();
  UnoAufruf([&] {
    uno::Sequence<beans::PropertyValue> eigenschaften(1);
    eigenschaften.getArray()[0].Name = "Hidden";
    eigenschaften.getArray()[0].Value <<= true;
    const uno::Reference<sheet::XSpreadsheetDocument> mappe(
        frame::Desktop::create(Office->Kontext())
            ->loadComponentFromURL("private:factory/scalc", "_blank", 0, eigenschaften),
        uno::UNO_QUERY_THROW);
    Mappen.push_back(mappe);
    // The number of sheets of a new document is a setting of the office.
    const auto blaetter = mappe->getSheets();
    const uno::Reference<container::XIndexAccess> liste(blaetter, uno::UNO_QUERY_THROW);
    for (sal_Int32 n = liste->getCount(); n > 1; --n) {
      const uno::Reference<container::XNamed> letztes(liste->getByIndex(n - 1), uno::UNO_QUERY_THROW);
      blaetter->removeByName(letztes->getName());
    }
  });
}

uno::Reference<sheet::XSpreadsheetDocument> TCalcSitzung::Mappe(std::size_t nummer) const {
  PruefeVerbunden();
  if (nummer < 1 || nummer > Mappen.size()) throw EFehler(UngueltigerIndex);
  return Mappen[nummer - 1];
}

void TCalcSitzung::Vormerken(const uno::Reference<sheet::XSpreadsheet>& blatt, std::int32_t zeile,
                             std::int32_t spalte, std::string text) {
  PruefeVerbunden();
  // Identity of the proxies is enough: a mismatch only hands over earlier.
  if (blatt.get() != PufferBlatt.get()) Abgleichen();
  PufferBlatt = blatt;
  Puffer.Setze(zeile, spalte, std::move(text));
  if (Puffer.Anzahl() >= Blockgroesse) Abgleichen();
}

void TCalcSitzung::Abgleichen() {
  PruefeVerbunden();
  if (Puffer.Anzahl() == 0) return;
  const auto bloecke = Puffer.Entnimm();
  UnoAufruf([&] {
    for (const TZellblock& block : bloecke) {
      const auto anzahl = static_cast<sal_Int32>(block.Texte.size());
      uno::Sequence<uno::Sequence<uno::Any>> daten(anzahl);
      auto* zeilen = daten.getArray();
      for (sal_Int32 i = 0; i < anzahl; ++i) {
        zeilen[i] = uno::Sequence<uno::Any>(1);
        zeilen[i].getArray()[0] <<= UnoVonCp1252(block.Texte[static_cast<std::size_t>(i)]);
      }
      const sal_Int32 spalte = block.Spalte - 1, oben = block.ErsteZeile - 1;
      uno::Reference<sheet::XCellRangeData>(
          PufferBlatt->getCellRangeByPosition(spalte, oben, spalte, oben + anzahl - 1), uno::UNO_QUERY_THROW)
          ->setDataArray(daten);
    }
  });
}

void TCalcSitzung::Beende() noexcept {
  for (const auto& mappe : Mappen) {
    try {
      uno::Reference<util::XCloseable>(mappe, uno::UNO_QUERY_THROW)->close(true);
    } catch (const uno::Exception&) {
      // a workbook the office cannot close goes with the office
    }
  }
  Mappen.clear();
  PufferBlatt.clear();
  Puffer = TZellpuffer();
  if (Office) Office->Beende();
  Office.reset();
}
