// The workbook export lets the application save into a private folder and
// puts the workbook in place only after the save: a failed export leaves the
// old file, and nothing stays behind.

#include "export/AufzeichnendeAutomation.h"
#include "export/UExcelDatei.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Namen = std::vector<std::string>;

const TTabelle Tabelle{1, {}, {{"#"}}};

void SpeichernSchreibt(TAufzeichnendeAutomation& automation, const std::string& text) {
  automation.BeimSpeichern = [text](const std::string& datei) { SchreibBytes(datei, Bytes(text)); };
}

// The program's runtime folder, in a test folder of its own for one test.
class TLaufzeit {
public:
  TLaufzeit() { setenv("XDG_RUNTIME_DIR", Ordner.Pfad().c_str(), 1); }
  ~TLaufzeit() {
    if (Alt != nullptr) setenv("XDG_RUNTIME_DIR", AlterWert.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
  }
  std::string Pfad(const std::string& name = "") const { return Ordner.Pfad("scheibwart/" + name); }
  Namen Eintraege() const { return Ordner.Eintraege("scheibwart"); }

private:
  const char* Alt = std::getenv("XDG_RUNTIME_DIR");
  const std::string AlterWert = Alt != nullptr ? Alt : "";
  TTempOrdner Ordner;
};

}  // namespace

TEST(UExcelDatei, ErsetztNurNachDemSpeichern) {
  TTempOrdner ordner;
  const TLaufzeit laufzeit;
  const std::string pfad = ordner.Pfad("Liste.xls");
  SchreibBytes(pfad, Bytes("alt"));
  chmod(pfad.c_str(), 0640);
  TAufzeichnendeAutomation automation;
  automation.BeimSpeichern = [&](const std::string& datei) {
    // In the runtime folder, with the extension that picks the format; the
    // old file is still there.
    EXPECT_EQ(datei.rfind(laufzeit.Pfad(), 0), 0u) << datei;
    EXPECT_TRUE(datei.ends_with(".xls")) << datei;
    EXPECT_EQ(LiesBytes(pfad), Bytes("alt"));
    SchreibBytes(datei, Bytes("neu"));
  };
  EXPECT_TRUE(ExportiereExcelDatei(automation, Tabelle, pfad));
  EXPECT_EQ(LiesBytes(pfad), Bytes("neu"));
  struct stat st {};
  stat(pfad.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(ordner.Eintraege(), Namen{"Liste.xls"});
  EXPECT_EQ(laufzeit.Eintraege(), Namen{});
}

TEST(UExcelDatei, FehlschlagLaesstAlteDatei) {
  // A save that fails after writing part of the file, a failure while the
  // cells are put, an application that cannot be created.
  const TLaufzeit laufzeit;
  for (const char* scheitern : {"Workbook.saveas", "Sheet.Cells", "CreateOleObject"}) {
    TTempOrdner ordner;
    const std::string pfad = ordner.Pfad("Liste.xls");
    SchreibBytes(pfad, Bytes("alt"));
    TAufzeichnendeAutomation automation;
    automation.Scheitern = scheitern;
    SpeichernSchreibt(automation, "hal");
    if (std::string(scheitern) == "Workbook.saveas")
      EXPECT_FALSE(ExportiereExcelDatei(automation, Tabelle, pfad));
    else
      EXPECT_THROW(ExportiereExcelDatei(automation, Tabelle, pfad), EFehler) << scheitern;
    EXPECT_EQ(LiesBytes(pfad), Bytes("alt")) << scheitern;
    EXPECT_EQ(ordner.Eintraege(), Namen{"Liste.xls"}) << scheitern;
    EXPECT_EQ(laufzeit.Eintraege(), Namen{}) << scheitern;
  }

  // Saved, but a folder of the chosen name cannot be replaced.
  TTempOrdner ordner;
  mkdir(ordner.Pfad("Ordner.xls").c_str(), 0755);
  TAufzeichnendeAutomation automation;
  SpeichernSchreibt(automation, "neu");
  EXPECT_FALSE(ExportiereExcelDatei(automation, Tabelle, ordner.Pfad("Ordner.xls")));

  // A link in the place of the saved workbook is not followed.
  SchreibBytes(ordner.Pfad("geheim"), Bytes("geheim"));
  automation.BeimSpeichern = [&](const std::string& datei) { symlink(ordner.Pfad("geheim").c_str(), datei.c_str()); };
  EXPECT_FALSE(ExportiereExcelDatei(automation, Tabelle, ordner.Pfad("Liste.xls")));
  EXPECT_EQ(ordner.Eintraege(), (Namen{"Ordner.xls", "geheim"}));
  EXPECT_EQ(laufzeit.Eintraege(), Namen{});
}

TEST(UExcelDatei, SymbolischerVerweisBleibt) {
  TTempOrdner ordner;
  const TLaufzeit laufzeit;
  mkdir(ordner.Pfad("daten").c_str(), 0755);
  SchreibBytes(ordner.Pfad("daten/Liste.xls"), Bytes("alt"));
  symlink("daten/Liste.xls", ordner.Pfad("Verweis.xls").c_str());
  TAufzeichnendeAutomation automation;
  automation.BeimSpeichern = [&](const std::string& datei) {
    EXPECT_EQ(datei.rfind(laufzeit.Pfad(), 0), 0u) << datei;
    SchreibBytes(datei, Bytes("neu"));
  };
  EXPECT_TRUE(ExportiereExcelDatei(automation, Tabelle, ordner.Pfad("Verweis.xls")));
  struct stat st {};
  ASSERT_EQ(lstat(ordner.Pfad("Verweis.xls").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(LiesBytes(ordner.Pfad("daten/Liste.xls")), Bytes("neu"));
  EXPECT_EQ(ordner.Eintraege("daten"), Namen{"Liste.xls"});
}
