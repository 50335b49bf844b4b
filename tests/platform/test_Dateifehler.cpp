// German failure texts and the full stop of the general error box.

#include "platform/Dateifehler.h"
#include "platform/Fehler.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(Dateifehler, TexteJeFehlernummer) {
  EXPECT_EQ(DateiFehlerText(ENOENT), "Datei nicht gefunden");
  EXPECT_EQ(DateiFehlerText(ENAMETOOLONG), "Ungültiger Dateiname");
  EXPECT_EQ(DateiFehlerText(ENOTDIR), "Ungültiger Dateiname");
  EXPECT_EQ(DateiFehlerText(EMFILE), "Zu viele geöffnete Dateien");
  EXPECT_EQ(DateiFehlerText(EACCES), "Dateizugriff verweigert");
  EXPECT_EQ(DateiFehlerText(EISDIR), "Dateizugriff verweigert");
  EXPECT_EQ(DateiFehlerText(ENOSPC), "Zu wenig Speicherplatz");
  EXPECT_EQ(DateiFehlerText(EIO), "E/A-Fehler 5");
  EXPECT_EQ(DateiFehlerText(EFBIG), "E/A-Fehler 27");
  EXPECT_EQ(DateiFehlerText(0), "E/A-Fehler 0");
}

TEST(Fehler, PunktAmEnde) {
  EXPECT_EQ(FehlerboxText(DateiendeText), "Versuch hinter dem Dateiende zu lesen.");
  EXPECT_EQ(FehlerboxText("E/A-Fehler 5"), "E/A-Fehler 5.");
  EXPECT_EQ(FehlerboxText("Ende."), "Ende.");
  EXPECT_EQ(FehlerboxText("x!"), "x!");
  EXPECT_EQ(FehlerboxText("a-"), "a-");
  EXPECT_EQ(FehlerboxText("a/"), "a/.");
  EXPECT_EQ(FehlerboxText(""), "");
  // Bytes from 0x80 on sort after '.' too, also as the tail of UTF-8.
  EXPECT_EQ(FehlerboxText("Gr\xC3\xBC\xC3\x9F"), "Gr\xC3\xBC\xC3\x9F.");
}
