#include "office/CalcAnwendung.h"

#include "office/Argumente.h"
#include "office/CalcFilter.h"
#include "office/CalcSitzung.h"
#include "office/UnoFehler.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>

#include <memory>

using namespace css;

namespace {

using TSitzung = std::shared_ptr<TCalcSitzung>;

// Excel's template constant for a workbook with a single worksheet.
constexpr std::int32_t xlWBATWorksheet = -4167;

bool Liefert(TAufrufart art) { return art == TAufrufart::Methode || art == TAufrufart::Lesen; }

// The single value of a property put.
const TVariant& Wert(TAufrufart art, const std::vector<TVariant>& argumente, std::size_t indizes) {
  if (art != TAufrufart::Schreiben) throw EFehler(MitgliedNichtGefunden);
  PruefeAnzahl(argumente, indizes + 1);
  return argumente.back();
}

class TBlatt : public TDispatch {
public:
  TBlatt(TSitzung sitzung, uno::Reference<sheet::XSpreadsheet> blatt)
      : Sitzung(std::move(sitzung)), Blatt(std::move(blatt)) {
    UnoAufruf([&] {
      const uno::Reference<table::XColumnRowRange> bereich(Blatt, uno::UNO_QUERY_THROW);
      Zeilen = bereich->getRows()->getCount();
      Spalten = bereich->getColumns()->getCount();
    });
  }

  TVariant Invoke(TAufrufart art, const std::string& name, const std::vector<TVariant>& argumente) override {
    Sitzung->PruefeVerbunden();
    if (GleicherName(name, "Cells")) {
      const std::string& text = Text(Wert(art, argumente, 2));
      const std::int32_t zeile = Ganzzahl(argumente[0]), spalte = Ganzzahl(argumente[1]);
      if (zeile < 1 || zeile > Zeilen || spalte < 1 || spalte > Spalten) throw EFehler(UngueltigerIndex);
      Sitzung->Vormerken(Blatt, zeile, spalte, text);
      return {};
    }
    Sitzung->Abgleichen();
    if (GleicherName(name, "Name")) {
      const std::string& text = Text(Wert(art, argumente, 0));
      UnoAufruf([&] {
        uno::Reference<container::XNamed>(Blatt, uno::UNO_QUERY_THROW)->setName(UnoVonCp1252(text));
      });
      return {};
    }
    throw EFehler(UnbekannterName);
  }

private:
  TSitzung Sitzung;
  uno::Reference<sheet::XSpreadsheet> Blatt;
  std::int32_t Zeilen = 0, Spalten = 0;
};

class TMappe : public TDispatch {
public:
  TMappe(TSitzung sitzung, uno::Reference<sheet::XSpreadsheetDocument> mappe)
      : Sitzung(std::move(sitzung)), Mappe(std::move(mappe)) {}

  TVariant Invoke(TAufrufart art, const std::string& name, const std::vector<TVariant>& argumente) override {
    Sitzung->PruefeVerbunden();
    Sitzung->Abgleichen();
    if (GleicherName(name, "WorkSheets")) {
      if (!Liefert(art)) throw EFehler(MitgliedNichtGefunden);
      PruefeAnzahl(argumente, 1);
      const std::int32_t nummer = Ganzzahl(argumente[0]);
      return UnoAufruf([&]() -> TVariant {
        const uno::Reference<container::XIndexAccess> blaetter(Mappe->getSheets(), uno::UNO_QUERY_THROW);
        if (nummer < 1 || nummer > blaetter->getCount()) throw EFehler(UngueltigerIndex);
        return TDispatchPtr(std::make_shared<TBlatt>(
            Sitzung, uno::Reference<sheet::XSpreadsheet>(blaetter->getByIndex(nummer - 1), uno::UNO_QUERY_THROW)));
      });
    }
    if (GleicherName(name, "SaveAs")) {
      if (art != TAufrufart::Methode) throw EFehler(MitgliedNichtGefunden);
      PruefeAnzahl(argumente, 1);
      const std::string& datei = Text(argumente[0]);
      const rtl::OUString url = DateiUrl(datei);
      UnoAufruf([&] {
        uno::Sequence<beans::PropertyValue> eigenschaften(2);
        eigenschaften.getArray()[0].Name = "FilterName";
        eigenschaften.getArray()[0].Value <<= UnoVonUtf8(CalcFilter(datei));
        eigenschaften.getArray()[1].Name = "Overwrite";
        eigenschaften.getArray()[1].Value <<= true;
        // Stored as a copy: the document stays unbound and leaves no lock file.
        uno::Reference<frame::XStorable>(Mappe, uno::UNO_QUERY_THROW)->storeToURL(url, eigenschaften);
      });
      return {};
    }
    throw EFehler(UnbekannterName);
  }

private:
  TSitzung Sitzung;
  uno::Reference<sheet::XSpreadsheetDocument> Mappe;
};

class TMappen : public TDispatch {
public:
  explicit TMappen(TSitzung sitzung) : Sitzung(std::move(sitzung)) {}

  TVariant Invoke(TAufrufart art, const std::string& name, const std::vector<TVariant>& argumente) override {
    Sitzung->PruefeVerbunden();
    Sitzung->Abgleichen();
    if (GleicherName(name, "Add")) {
      if (art != TAufrufart::Methode) throw EFehler(MitgliedNichtGefunden);
      if (argumente.size() > 1) throw EFehler(UngueltigeParameterzahl);
      if (argumente.size() == 1 && Ganzzahl(argumente[0]) != xlWBATWorksheet) throw EFehler(Typenkonflikt);
      Sitzung->NeueMappe();
      return TDispatchPtr(std::make_shared<TMappe>(Sitzung, Sitzung->Mappe(Sitzung->MappenAnzahl())));
    }
    throw EFehler(UnbekannterName);
  }

private:
  TSitzung Sitzung;
};

class TAnwendung : public TDispatch {
public:
  explicit TAnwendung(TSitzung sitzung) : Sitzung(std::move(sitzung)) {}
  // The application released ends the office, whatever still holds a sheet.
  ~TAnwendung() override { Sitzung->Beende(); }

  TVariant Invoke(TAufrufart art, const std::string& name, const std::vector<TVariant>& argumente) override {
    Sitzung->PruefeVerbunden();
    if (GleicherName(name, "Quit")) {
      if (art != TAufrufart::Methode) throw EFehler(MitgliedNichtGefunden);
      PruefeAnzahl(argumente, 0);
      Sitzung->Beende();
      return {};
    }
    Sitzung->Abgleichen();
    if (GleicherName(name, "Visible") || GleicherName(name, "DisplayAlerts")) {
      // A private office is always invisible and never asks anything.
      Wahrheitswert(Wert(art, argumente, 0));
      return {};
    }
    if (GleicherName(name, "Workbooks")) {
      if (!Liefert(art)) throw EFehler(MitgliedNichtGefunden);
      if (argumente.empty()) return TDispatchPtr(std::make_shared<TMappen>(Sitzung));
      PruefeAnzahl(argumente, 1);
      const std::int32_t nummer = Ganzzahl(argumente[0]);
      if (nummer < 1) throw EFehler(UngueltigerIndex);
      return TDispatchPtr(std::make_shared<TMappe>(Sitzung, Sitzung->Mappe(static_cast<std::size_t>(nummer))));
    }
    throw EFehler(UnbekannterName);
  }

private:
  TSitzung Sitzung;
};

}  // namespace

TDispatchPtr NeueCalcAnwendung(const std::string& programmOrdner, const std::string& arbeitsOrdner) {
  return std::make_shared<TAnwendung>(std::make_shared<TCalcSitzung>(programmOrdner, arbeitsOrdner));
}
