#include "platform/EigeneOrdner.h"

#include "support/TempOrdner.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t Rechte(const std::string& pfad) {
  struct stat st {};
  lstat(pfad.c_str(), &st);
  return st.st_mode & 07777;
}

TEST(EigeneOrdner, MachtFehlendeOrdnerNurFuerDenBenutzer) {
  const TTempOrdner ordner;
  const std::string pfad = ordner.Pfad("a/b/scheibwart");
  EXPECT_EQ(EigenerOrdner(pfad), pfad);
  for (const char* teil : {"a", "a/b", "a/b/scheibwart"}) EXPECT_EQ(Rechte(ordner.Pfad(teil)), 0700u) << teil;

  // One that others may enter is closed to them.
  mkdir(ordner.Pfad("offen").c_str(), 0755);
  EigenerOrdner(ordner.Pfad("offen"));
  EXPECT_EQ(Rechte(ordner.Pfad("offen")), 0700u);
}

TEST(EigeneOrdner, FremdesWirdVerweigert) {
  const TTempOrdner ordner;
  mkdir(ordner.Pfad("echt").c_str(), 0700);
  symlink(ordner.Pfad("echt").c_str(), ordner.Pfad("verweis").c_str());
  SchreibBytes(ordner.Pfad("datei"), Bytes("x"));
  EXPECT_EQ(FehlerVon([&] { EigenerOrdner(ordner.Pfad("verweis")); }), "Dateizugriff verweigert");
  EXPECT_EQ(FehlerVon([&] { EigenerOrdner(ordner.Pfad("datei")); }), "Dateizugriff verweigert");

  if (geteuid() != 0) GTEST_SKIP() << "einen fremden Ordner kann nur root anlegen";
  mkdir(ordner.Pfad("fremd").c_str(), 0755);
  ASSERT_EQ(chown(ordner.Pfad("fremd").c_str(), 4321, 4321), 0);
  EXPECT_EQ(FehlerVon([&] { EigenerOrdner(ordner.Pfad("fremd")); }), "Dateizugriff verweigert");
  EXPECT_EQ(Rechte(ordner.Pfad("fremd")), 0755u);
}

TEST(EigeneOrdner, FolgtDenVariablenDerBasisordner) {
  const TTempOrdner ordner;
  setenv("XDG_STATE_HOME", ordner.Pfad("zustand").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", ordner.Pfad("laufzeit").c_str(), 1);
  EXPECT_EQ(Zustandsordner(), ordner.Pfad("zustand/scheibwart"));
  EXPECT_EQ(Laufzeitordner(), ordner.Pfad("laufzeit/scheibwart"));

  // Relative values count as unset.
  setenv("XDG_STATE_HOME", "relativ", 1);
  setenv("HOME", ordner.Pfad("heim").c_str(), 1);
  unsetenv("XDG_RUNTIME_DIR");
  setenv("TMPDIR", ordner.Pfad("tmp").c_str(), 1);
  EXPECT_EQ(Zustandsordner(), ordner.Pfad("heim/.local/state/scheibwart"));
  EXPECT_EQ(Laufzeitordner(), ordner.Pfad("tmp/scheibwart-" + std::to_string(geteuid())));
}

}  // namespace
