// The automation runtime with the real LibreOffice: workbooks that the office
// reads back as written, a private office that ends on every path and leaves
// an office of the user alone, and the failures at creation.

#include "export/UExcelDatei.h"
#include "export/UExcelExport.h"
#include "office/Kindprozess.h"
#include "office/LibreOfficeAutomation.h"
#include "office/Rohre.h"
#include "support/TempOrdner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Namen = std::vector<std::string>;

const std::string Programm = TLibreOfficeAutomation::OfficeImSuchpfad();
const std::string Getrennt = "Das aufgerufene Objekt wurde von den Clients getrennt";

TTabelle Filmtabelle() {
  TTabelle tabelle;
  tabelle.Spalten = 6;
  tabelle.Zeilen = {{"#", "Film", "CDs", "CD-Format", "Genre", "Kommentar"},
                    {"1", "Die Blechtrommel", "2", "DivX", "Drama", "\xDC" "ber G\xFCnter Grass"},
                    {"2", "Stra\xDF" "e nach S\xFC" "den", "", "", "", ""},
                    {"3", "\x80 und \xBD", "007", "", "Kom\xF6" "die", "\"Zitat\""}};
  return tabelle;
}

// The same rows as LibreOffice writes them to CSV in UTF-8; "007" stays a text.
const Namen FilmtabelleCsv{"#,Film,CDs,CD-Format,Genre,Kommentar",
                           "1,Die Blechtrommel,2,DivX,Drama,Über Günter Grass",
                           "2,Straße nach Süden,,,,",
                           "3,€ und ½,007,,Komödie,\"\"\"Zitat\"\"\""};

bool WarteBis(const std::function<bool()>& bedingung, std::chrono::seconds frist) {
  const auto ende = std::chrono::steady_clock::now() + frist;
  while (!bedingung() && std::chrono::steady_clock::now() < ende) std::this_thread::sleep_for(50ms);
  return bedingung();
}

// The other processes whose command line names the folder: the private
// offices keep their user installations there.
std::vector<int> ProzesseMit(const std::string& ordner) {
  std::vector<int> prozesse;
  for (const auto& eintrag : std::filesystem::directory_iterator("/proc")) {
    const std::string name = eintrag.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos || std::stoi(name) == getpid()) continue;
    std::ifstream cmdline(eintrag.path() / "cmdline");
    if (std::string(std::istreambuf_iterator<char>(cmdline), {}).find(ordner) != std::string::npos)
      prozesse.push_back(std::stoi(name));
  }
  return prozesse;
}

// The named pipes the private offices listen on: the sockets among their open
// files, with the names the system lists for them.
Namen RohreDerOffices(const TTempOrdner& arbeit) {
  std::set<std::string> sockets;
  std::error_code egal;
  for (const int pid : ProzesseMit(arbeit.Pfad()))
    for (const auto& fd : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", egal)) {
      const std::string ziel = std::filesystem::read_symlink(fd.path(), egal).string();
      if (ziel.starts_with("socket:[")) sockets.insert(ziel.substr(8, ziel.size() - 9));
    }
  std::set<std::string> rohre;  // an accepted connection is listed with the name too
  std::ifstream tabelle("/proc/net/unix");
  for (std::string zeile; std::getline(tabelle, zeile);) {
    std::istringstream felder(zeile);
    std::string feld[7], pfad;
    for (std::string& f : feld) felder >> f;
    if (felder >> pfad && sockets.count(feld[6]) && pfad.find("/OSL_PIPE_") != std::string::npos)
      rohre.insert(pfad);
  }
  return {rohre.begin(), rohre.end()};
}

void ErwarteEntfernt(const Namen& pfade) {
  for (const std::string& pfad : pfade) EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(pfad))) << pfad;
}

void ErwarteKeinOfficeMehr(const TTempOrdner& arbeit) {
  EXPECT_EQ(ProzesseMit(arbeit.Pfad()), std::vector<int>{});
  EXPECT_EQ(arbeit.Eintraege(), Namen{});  // the user installation is gone too
}

// The names of the sheets of a workbook, each with its CSV lines, as
// LibreOffice's own command line converts them.
std::vector<std::pair<std::string, Namen>> Blaetter(const TTempOrdner& ordner, const std::string& datei) {
  // Comma, quotes, UTF-8, and every sheet into a file of its own.
  const std::string filter = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1";
  TKindprozess soffice(Programm + "/soffice", {"--headless", "-env:UserInstallation=file://" + ordner.Pfad("lesen"),
                                               "--convert-to", filter, "--outdir", ordner.Pfad("csv"), datei},
                       {"TMPDIR=" + ordner.Pfad()});
  EXPECT_TRUE(soffice.Warte(180s) && soffice.Status() == 0);
  std::vector<std::pair<std::string, Namen>> blaetter;
  const std::string stamm = std::filesystem::path(datei).stem().string() + "-";
  for (const std::string& name : ordner.Eintraege("csv")) {
    std::ifstream ein(ordner.Pfad("csv/" + name));
    Namen zeilen;
    for (std::string zeile; std::getline(ein, zeile);) zeilen.push_back(zeile);
    blaetter.emplace_back(name.substr(stamm.size(), name.size() - stamm.size() - 4), zeilen);
  }
  return blaetter;
}

std::string Inhalt(const std::string& datei) {
  const auto bytes = LiesBytes(datei);
  return {bytes.begin(), bytes.end()};
}

}  // namespace

TEST(LibreOfficeAutomation, UnbekannteKlasseUndFehlendesOffice) {
  TTempOrdner arbeit;
  TLibreOfficeAutomation automation(Programm, arbeit.Pfad(), CALC_MODUL);
  EXPECT_EQ(FehlerVon([&] { automation.CreateOleObject("Word.Application"); }), "Ungültige Klassenzeichenfolge");

  // Without an office the export fails at once, and the old workbook stays.
  TLibreOfficeAutomation ohneOffice(arbeit.Pfad("kein-office/program"), arbeit.Pfad());
  SchreibBytes(arbeit.Pfad("Liste.xls"), Bytes("alt"));
  EXPECT_EQ(FehlerVon([&] { ExportiereExcelDatei(ohneOffice, Filmtabelle(), arbeit.Pfad("Liste.xls")); }),
            "Ungültige Klassenzeichenfolge");
  EXPECT_EQ(LiesBytes(arbeit.Pfad("Liste.xls")), Bytes("alt"));
  EXPECT_EQ(arbeit.Eintraege(), Namen{"Liste.xls"});
}

// The office is the one the command soffice on the search path starts;
// without one there, there is no spreadsheet application.
TEST(LibreOfficeAutomation, OfficeAusDemSuchpfad) {
  ASSERT_FALSE(Programm.empty()) << "soffice fehlt im Suchpfad";
  struct TSuchpfad {
    const std::string Alt = std::getenv("PATH");
    ~TSuchpfad() { setenv("PATH", Alt.c_str(), 1); }
  } suchpfad;
  TTempOrdner ordner;
  std::filesystem::create_directory(ordner.Pfad("bin"));
  std::filesystem::create_symlink(Programm + "/soffice", ordner.Pfad("bin/soffice"));
  setenv("PATH", (ordner.Pfad("nirgends") + ":" + ordner.Pfad("bin")).c_str(), 1);
  EXPECT_EQ(TLibreOfficeAutomation::OfficeImSuchpfad(), Programm);

  setenv("PATH", ordner.Pfad("nirgends").c_str(), 1);
  EXPECT_EQ(TLibreOfficeAutomation::OfficeImSuchpfad(), "");
  TLibreOfficeAutomation automation("", ordner.Pfad());
  EXPECT_EQ(FehlerVon([&] { automation.CreateOleObject("Excel.Application"); }), "Ungültige Klassenzeichenfolge");
}

// The program finds its bridge module beside itself (the build tree), else in
// the private library folder of the tree it was installed into.
TEST(LibreOfficeAutomation, CalcModulZumProgramm) {
  TTempOrdner baum;
  const std::string modul = std::filesystem::path(CALC_MODUL).filename();
  const std::string bin = baum.Pfad("usr/bin");
  const std::filesystem::path lib = std::filesystem::weakly_canonical(bin + "/" MODULORDNER_VOM_PROGRAMM);
  std::filesystem::create_directories(bin);
  std::filesystem::create_directories(lib);
  SchreibBytes(lib / modul, Bytes("modul"));
  EXPECT_EQ(std::filesystem::weakly_canonical(TLibreOfficeAutomation::CalcModulZumProgramm(bin)), lib / modul);

  SchreibBytes(bin + "/" + modul, Bytes("modul"));
  EXPECT_EQ(TLibreOfficeAutomation::CalcModulZumProgramm(bin), bin + "/" + modul);
}

TEST(LibreOfficeAutomation, WorkbookMitEinemBlattInJedemFormat) {
  TTempOrdner arbeit, ziel;
  TLibreOfficeAutomation automation(Programm, arbeit.Pfad(), CALC_MODUL);
  const std::string pfad = ziel.Pfad("Filme.xls");
  SchreibBytes(pfad, Bytes("alt"));
  ASSERT_TRUE(ExportiereExcelDatei(automation, Filmtabelle(), pfad));
  ErwarteKeinOfficeMehr(arbeit);
  EXPECT_EQ(Inhalt(pfad).substr(0, 4), "\xD0\xCF\x11\xE0");  // the compound file of Excel 97
  EXPECT_EQ(ziel.Eintraege(), Namen{"Filme.xls"});
  const auto blaetter = Blaetter(ziel, pfad);
  ASSERT_EQ(blaetter.size(), 1u);
  EXPECT_EQ(blaetter[0].first, "My Sheet Name");
  EXPECT_EQ(blaetter[0].second, FilmtabelleCsv);

  // Zip files both; the OpenDocument one names its type first, unpacked.
  ASSERT_TRUE(StringgridToExcel(automation, Filmtabelle(), ziel.Pfad("Filme.ods")));
  ASSERT_TRUE(StringgridToExcel(automation, Filmtabelle(), ziel.Pfad("Filme.XLSX")));
  const std::string ods = Inhalt(ziel.Pfad("Filme.ods")), xlsx = Inhalt(ziel.Pfad("Filme.XLSX"));
  EXPECT_EQ(ods.substr(30, 54), "mimetypeapplication/vnd.oasis.opendocument.spreadsheet");
  EXPECT_EQ(xlsx.substr(0, 4), "PK\x03\x04");
  EXPECT_NE(xlsx.find("xl/worksheets/sheet1.xml"), std::string::npos);
}

// Without a folder given, the office keeps its user installation in the
// program's runtime folder, which only the user can enter.
TEST(LibreOfficeAutomation, ProfilImLaufzeitordner) {
  TTempOrdner laufzeit;
  struct TLaufzeitVariable {
    const char* Alt = std::getenv("XDG_RUNTIME_DIR");
    const std::string AlterWert = Alt != nullptr ? Alt : "";
    ~TLaufzeitVariable() { Alt != nullptr ? setenv("XDG_RUNTIME_DIR", AlterWert.c_str(), 1) : unsetenv("XDG_RUNTIME_DIR"); }
  } variable;
  setenv("XDG_RUNTIME_DIR", laufzeit.Pfad().c_str(), 1);
  TLibreOfficeAutomation automation(Programm, "", CALC_MODUL);
  {
    const TDispatchPtr excel = automation.CreateOleObject("Excel.Application");
    EXPECT_EQ(ProzesseMit(laufzeit.Pfad("scheibwart/office-")).size(), 1u);
    struct stat st {};
    stat(laufzeit.Pfad("scheibwart").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
  }
  EXPECT_EQ(ProzesseMit(laufzeit.Pfad()), std::vector<int>{});
  EXPECT_EQ(laufzeit.Eintraege("scheibwart"), Namen{});
}

TEST(LibreOfficeAutomation, OfficeEndetAufJedemWeg) {
  TTempOrdner arbeit, ziel;
  TLibreOfficeAutomation automation(Programm, arbeit.Pfad(), CALC_MODUL);

  // A save the office cannot do is a false result, and the office is quit.
  SchreibBytes(ziel.Pfad("Datei"), Bytes("kein Ordner"));
  EXPECT_FALSE(StringgridToExcel(automation, Filmtabelle(), ziel.Pfad("Datei/Filme.xls")));
  ErwarteKeinOfficeMehr(arbeit);

  // The application released without Quit; a sheet kept beyond it fails.
  // The office's pipes go with it.
  TDispatchPtr sheet;
  Namen rohre;
  {
    TDispatchPtr excel = automation.CreateOleObject("Excel.Application");
    // The pipe it accepts on, and the one of its single instance.
    rohre = RohreDerOffices(arbeit);
    EXPECT_EQ(rohre.size(), 2u);
    std::get<TDispatchPtr>(excel->Call("Workbooks"))->Call("Add");
    sheet = std::get<TDispatchPtr>(std::get<TDispatchPtr>(excel->Get("Workbooks", {1}))->Get("WorkSheets", {1}));
    EXPECT_EQ(FehlerVon([&] { sheet->Put("Cells", {0, 1}, std::string("x")); }), "Ungültiger Index");
  }
  ErwarteKeinOfficeMehr(arbeit);
  ErwarteEntfernt(rohre);
  EXPECT_EQ(FehlerVon([&] { sheet->Put("Name", {}, std::string("y")); }), Getrennt);

  // An office that dies while it is used: the calls fail, Quit still ends it.
  TDispatchPtr excel = automation.CreateOleObject("Excel.Application");
  std::get<TDispatchPtr>(excel->Call("Workbooks"))->Call("Add");
  for (const int pid : ProzesseMit(arbeit.Pfad())) kill(pid, SIGKILL);
  const TDispatchPtr mappe = std::get<TDispatchPtr>(excel->Get("Workbooks", {1}));
  EXPECT_EQ(FehlerVon([&] { mappe->Get("WorkSheets", {1}); }), Getrennt);
  excel->Call("Quit");
  ErwarteKeinOfficeMehr(arbeit);
}

// A socket that someone else binds under the office's pipe name, read from
// the office's command line, is not connected to: the export fails as an
// office that does not start, and the office ends.
TEST(LibreOfficeAutomation, FremdesRohrWirdAbgewiesen) {
  TTempOrdner arbeit, ziel;
  TLibreOfficeAutomation automation(Programm, arbeit.Pfad(), CALC_MODUL);
  std::atomic<bool> fertig = false;
  std::thread exportieren([&] {
    EXPECT_EQ(FehlerVon([&] { ExportiereExcelDatei(automation, Filmtabelle(), ziel.Pfad("Filme.xls")); }),
              "Fehler bei der Serverausführung");
    fertig = true;
  });
  std::string rohr;
  const auto ende = std::chrono::steady_clock::now() + 180s;
  while (rohr.empty() && !fertig && std::chrono::steady_clock::now() < ende) {
    const std::string schalter = "--accept=pipe,name=";
    for (const int pid : ProzesseMit(arbeit.Pfad())) {
      std::ifstream cmdline("/proc/" + std::to_string(pid) + "/cmdline");
      const std::string zeile(std::istreambuf_iterator<char>(cmdline), {});
      if (const auto anfang = zeile.find(schalter); anfang != std::string::npos)
        rohr = zeile.substr(anfang + schalter.size(), zeile.find(';', anfang) - anfang - schalter.size());
    }
    std::this_thread::sleep_for(2ms);
  }
  EXPECT_FALSE(rohr.empty());
  // Bound by this process, which is not the office.
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un adresse{};
  adresse.sun_family = AF_UNIX;
  RohrPfad(rohr).copy(adresse.sun_path, sizeof adresse.sun_path - 1);
  EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse), 0);
  listen(fd, 4);
  // Connected to it, the export would wait for an answer that never comes.
  EXPECT_TRUE(WarteBis([&] { return fertig.load(); }, 60s)) << "mit dem fremden Rohr verbunden";
  close(fd);
  exportieren.join();
  std::filesystem::remove(RohrPfad(rohr));
  ErwarteKeinOfficeMehr(arbeit);
  EXPECT_EQ(ziel.Eintraege(), Namen{});
}

TEST(LibreOfficeAutomation, OfficeStirbtMitDemProgramm) {
  TTempOrdner arbeit;
  TKindprozess programm(OFFICE_HALTER, {arbeit.Pfad(), arbeit.Pfad("bereit")});
  WarteBis([&] { return std::filesystem::exists(arbeit.Pfad("bereit")) || programm.Status(); }, 180s);
  ASSERT_TRUE(std::filesystem::exists(arbeit.Pfad("bereit")));
  const Namen rohre = RohreDerOffices(arbeit);
  EXPECT_EQ(rohre.size(), 2u);
  kill(programm.Pid(), SIGKILL);  // the program alone, not its group
  programm.Warte(10s);
  EXPECT_TRUE(WarteBis([&] { return ProzesseMit(arbeit.Pfad()).empty(); }, 10s));

  // The next export removes the folder of the killed program and the pipes of
  // its office.
  std::filesystem::remove(arbeit.Pfad("bereit"));
  TTempOrdner ziel;
  TLibreOfficeAutomation automation(Programm, arbeit.Pfad(), CALC_MODUL);
  EXPECT_TRUE(ExportiereExcelDatei(automation, Filmtabelle(), ziel.Pfad("Filme.xls")));
  ErwarteKeinOfficeMehr(arbeit);
  ErwarteEntfernt(rohre);
}

TEST(LibreOfficeAutomation, OfficeDesNutzersBleibt) {
  // The user's office, started the usual way with the default user
  // installation of a home folder, which the export shares.
  TTempOrdner arbeit, ziel, zuhause;
  const char* home = std::getenv("HOME");
  const std::string altesHome = home != nullptr ? home : "/";
  setenv("HOME", zuhause.Pfad().c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  const std::string rohr = "scheibwart-test-nutzer-" + std::to_string(getpid());
  const std::string rohrDatei = "/tmp/OSL_PIPE_" + std::to_string(getuid()) + "_" + rohr;
  TKindprozess nutzer(Programm + "/soffice",
                      {"--headless", "--norestore", "--accept=pipe,name=" + rohr + ";urp;"},
                      {"TMPDIR=" + zuhause.Pfad()});
  EXPECT_TRUE(WarteBis([&] { return std::filesystem::exists(rohrDatei) || nutzer.Status(); }, 180s));

  TLibreOfficeAutomation automation(Programm, arbeit.Pfad(), CALC_MODUL);
  EXPECT_TRUE(ExportiereExcelDatei(automation, Filmtabelle(), ziel.Pfad("Filme.xls")));
  ErwarteKeinOfficeMehr(arbeit);
  // An office told to terminate would be gone within a second or two.
  EXPECT_FALSE(nutzer.Warte(3s)) << "das Office des Nutzers wurde beendet";
  nutzer.Toete();
  // Its pipes, the one it accepted on and its single-instance one, once the
  // office itself is gone.
  EXPECT_TRUE(WarteBis(
      [&] {
        EntferneToteRohre(Rohrordner(), {RohrAnfang() + rohr, RohrAnfang() + "SingleOfficeIPC_"});
        return !std::filesystem::exists(rohrDatei);
      },
      10s));
  setenv("HOME", altesHome.c_str(), 1);
}
