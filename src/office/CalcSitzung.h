#pragma once
// What the objects of one "Excel.Application" share: the private office,
// the workbooks made in it and the cell texts not yet handed over.

#include "office/PrivatesOffice.h"
#include "office/Zellpuffer.h"

#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TCalcSitzung {
public:
  // Starts the office; fails with EFehler "Fehler bei der Serverausführung".
  TCalcSitzung(const std::string& programmOrdner, const std::string& arbeitsOrdner);
  ~TCalcSitzung() { Beende(); }
  TCalcSitzung(const TCalcSitzung&) = delete;
  TCalcSitzung& operator=(const TCalcSitzung&) = delete;

  // Fails with EFehler "Das aufgerufene Objekt wurde von den Clients getrennt"
  // once the session has ended.
  void PruefeVerbunden() const;

  // A new hidden Calc document with exactly one sheet, the last of the workbooks.
  void NeueMappe();
  std::size_t MappenAnzahl() const { return Mappen.size(); }
  // Workbook nummer, counted from 1.
  css::uno::Reference<css::sheet::XSpreadsheetDocument> Mappe(std::size_t nummer) const;

  // Puts a text into a cell of blatt, row and column counted from 1. The
  // cells reach the office in blocks, at the latest with Abgleichen.
  void Vormerken(const css::uno::Reference<css::sheet::XSpreadsheet>& blatt, std::int32_t zeile,
                 std::int32_t spalte, std::string text);
  // Hands every cell put so far to the office.
  void Abgleichen();

  // Closes the workbooks without saving them and ends the office; what is
  // not handed over yet is dropped. Later calls do nothing.
  void Beende() noexcept;

private:
  std::optional<TPrivatesOffice> Office;
  std::vector<css::uno::Reference<css::sheet::XSpreadsheetDocument>> Mappen;
  css::uno::Reference<css::sheet::XSpreadsheet> PufferBlatt;
  TZellpuffer Puffer;
};
