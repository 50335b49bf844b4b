#pragma once
// An automation runtime that writes down every call and release, a line
// each, and fails the call whose line begins with Scheitern. Its objects are
// named for what the workbook export takes them to be:
//   Excel.Quit()   Excel.Workbooks[1]   Sheet.Cells[1,2] = "x"   ~Sheet
// Arguments show their kind: false, 1 (32 bits), -4167s (16 bits), "text",
// &"text" (by reference).

#include "office/Automation.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TAufzeichnendeAutomation : public TAutomation {
public:
  std::vector<std::string> Protokoll;
  std::string Scheitern;  // fails with EFehler "Testfehler", at its ScheiternBeim-th call
  int ScheiternBeim = 1;
  std::function<void(const std::string&)> BeimSpeichern;  // what "saveas" does with the file name
  int Lebende = 0;                                         // objects not yet released

  TDispatchPtr CreateOleObject(const std::string& klasse) override {
    Protokolliere("CreateOleObject(\"" + klasse + "\")");
    return std::make_shared<TObjekt>(*this, "Excel");
  }

  // The calls, without the releases.
  std::vector<std::string> Aufrufe() const {
    std::vector<std::string> aufrufe;
    for (const std::string& zeile : Protokoll)
      if (zeile.front() != '~') aufrufe.push_back(zeile);
    return aufrufe;
  }

private:
  struct TObjekt : TDispatch {
    TObjekt(TAufzeichnendeAutomation& automation, std::string name) : A(automation), Name(std::move(name)) {
      ++A.Lebende;
    }
    ~TObjekt() override {
      --A.Lebende;
      A.Protokoll.push_back("~" + Name);
    }

    TVariant Invoke(TAufrufart art, const std::string& name, const std::vector<TVariant>& argumente) override {
      std::vector<TVariant> indizes = argumente;
      if (art == TAufrufart::Schreiben) indizes.pop_back();
      std::string zeile = Name + "." + name;
      if (art == TAufrufart::Methode) zeile += "(" + Liste(indizes) + ")";
      if (art == TAufrufart::Lesen || (art == TAufrufart::Schreiben && !indizes.empty()))
        zeile += "[" + Liste(indizes) + "]";
      if (art == TAufrufart::Schreiben) zeile += " = " + Text(argumente.back());
      A.Protokolliere(zeile);

      if (name == "saveas" && A.BeimSpeichern) A.BeimSpeichern(std::get<TStringRef>(argumente.at(0)).get());
      if (art == TAufrufart::Schreiben) return {};
      if (name == "Workbooks") return std::make_shared<TObjekt>(A, indizes.empty() ? "Workbooks" : "Workbook");
      if (name == "WorkSheets") return std::make_shared<TObjekt>(A, "Sheet");
      return {};
    }

    static std::string Text(const TVariant& wert) {
      if (const auto* b = std::get_if<bool>(&wert)) return *b ? "true" : "false";
      if (const auto* z = std::get_if<std::int16_t>(&wert)) return std::to_string(*z) + "s";
      if (const auto* z = std::get_if<std::int32_t>(&wert)) return std::to_string(*z);
      if (const auto* s = std::get_if<std::string>(&wert)) return "\"" + *s + "\"";
      if (const auto* r = std::get_if<TStringRef>(&wert)) return "&\"" + r->get() + "\"";
      return "?";
    }
    static std::string Liste(const std::vector<TVariant>& werte) {
      std::string liste;
      for (const TVariant& wert : werte) liste += (liste.empty() ? "" : ",") + Text(wert);
      return liste;
    }

    TAufzeichnendeAutomation& A;
    std::string Name;
  };

  void Protokolliere(const std::string& zeile) {
    Protokoll.push_back(zeile);
    if (!Scheitern.empty() && zeile.rfind(Scheitern, 0) == 0 && --ScheiternBeim == 0) throw EFehler("Testfehler");
  }
};
