// The program's life with a collection: from the command line to the shown
// main window, the memory that takes and keeps, New, and quitting; beside them
// the raw read and the write with fsync of the collection file's bytes.

#include "Benchprogramm.h"
#include "Benchrahmen.h"
#include "Grundlinien.h"
#include "Testsammlung.h"
#include "widgets/ListBox.h"

#include "model/UJournal.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

namespace {

constexpr double Kibibyte = 1024.0;

void Grundlinie_Lesen(benchmark::State& state) {
  const std::string& sammlung = Testsammlungsdatei(Anzahl(state));
  for (auto _ : state) LiesRoh(sammlung);
  state.counters["MB"] = static_cast<double>(Dateigroesse(sammlung)) / 1e6;
}

void Grundlinie_SchreibenFsync(benchmark::State& state) {
  const std::uintmax_t bytes = Dateigroesse(Testsammlungsdatei(Anzahl(state)));
  const std::string ziel = Benchordner() + "/Grundlinie.bin";
  for (auto _ : state) {
    SchreibeMitFsync(bytes, ziel);
    state.PauseTiming();
    std::filesystem::remove(ziel);
    state.ResumeTiming();
  }
}

// Start to the main window shown with both lists and the statistics filled.
void Bereit(benchmark::State& state) {
  const std::string& sammlung = Testsammlungsdatei(Anzahl(state));
  for (auto _ : state) {
    auto programm = std::make_unique<TLaufendesProgramm>(sammlung);
    state.PauseTiming();
    const TFHaupt& haupt = programm->Haupt();
    Erwarte(state, haupt.LBFilme->Count() == Anzahl(state) && haupt.LBSpiele->Count() == Anzahl(state),
            "beide Listen voll");
    Melde(state, programm->Stoerung());
    programm.reset();
    state.ResumeTiming();
  }
  state.counters["x_Lesen"] = Vielfaches(GrundlinieLesen(sammlung));
}

// The journal a program killed after 10,000 commands on the collection
// leaves: films added, changed, deleted and moved in the middle, wishes
// added, and one sort by title. Its bytes, made once per size.
const std::string& Journal(const std::string& sammlung, int anzahl) {
  static std::map<int, std::string> journale;
  std::string& bytes = journale[anzahl];
  if (!bytes.empty()) return bytes;
  const QTemporaryDir zustand;
  qputenv("XDG_STATE_HOME", QFile::encodeName(zustand.path()));
  std::string pfad;
  {
    TJournaldatei journal(KodiereKopf({0, TJournalBasis{sammlung, *TDateistand::VonPfad(sammlung)}}));
    pfad = journal.Pfad();
    const int mitte = anzahl / 2;
    for (int befehl = 0; befehl < 10000; ++befehl) {
      TJournalEintrag eintrag;
      const TFilmRec film{"Das neue M\xE4" "dchen " + std::to_string(befehl), "2", "DVD", "Kom\xF6" "die", "von K\xE4the"};
      switch (befehl % 5) {
        case 0: eintrag.FilmNeu(film); break;
        case 1: eintrag.FilmSetzen(mitte, film); break;
        case 2: eintrag.FilmLoeschen(mitte); break;
        case 3:
          eintrag.FilmSetzen(mitte + 1, film);
          eintrag.FilmSetzen(mitte, film);
          break;
        case 4: eintrag.NotizNeu(TNotizliste::FilmWuensche, film.Name); break;
      }
      if (befehl == 5000) eintrag.FilmeSortieren(1, true);
      journal.Haenge(eintrag.Daten());
    }
  }
  std::ifstream datei(pfad, std::ios::binary);
  bytes.assign(std::istreambuf_iterator<char>(datei), {});
  return bytes;
}

// Start to the main window shown with the journal's 10,000 commands replayed
// on the collection; beside Bereit, what the replay adds to the load.
void Wiederherstellen(benchmark::State& state) {
  const std::string& sammlung = Testsammlungsdatei(Anzahl(state));
  const std::string& journal = Journal(sammlung, Anzahl(state));
  auto legeAn = [&](TTestumgebung& umwelt) {
    const QString ordner = umwelt.Zustand.filePath(QStringLiteral("scheibwart"));
    QDir().mkpath(ordner);
    QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    std::ofstream(QFile::encodeName(ordner + QStringLiteral("/Journal-1-0")).toStdString(), std::ios::binary)
        << journal;
    umwelt.Dialoge.Frage(TAntwort::Ja);
  };
  for (auto _ : state) {
    auto programm = std::make_unique<TLaufendesProgramm>(sammlung, legeAn);
    state.PauseTiming();
    const TFHaupt& haupt = programm->Haupt();
    // As many films added as deleted, a wish each fifth command.
    Erwarte(state, haupt.Modified && haupt.LBFilme->Count() == Anzahl(state) && haupt.LBFilmeW->Count() > 2000,
            "die Befehle nachgespielt");
    Melde(state, programm->Stoerung());
    programm.reset();
    state.ResumeTiming();
  }
  state.counters["x_Lesen"] = Vielfaches(GrundlinieLesen(sammlung));
}

// VmRSS and VmHWM in KiB, as the measuring process printed them.
struct TSpeicherzahlen {
  double Basis = 0, SpitzeLaden = 0, NachSitzung = 0, SpitzeSitzung = 0;
};

std::optional<TSpeicherzahlen> MissInFrischemProzess(const std::string& sammlung, std::string& stoerung) {
  QProcess kind;
  kind.start(QStringLiteral(SPEICHERMESSUNG),
             {QString::fromStdString(sammlung), QString::fromStdString(Benchordner())});
  kind.waitForFinished(-1);
  if (kind.exitStatus() != QProcess::NormalExit || kind.exitCode() != 0) {
    stoerung = "speichermessung: " + kind.readAllStandardError().toStdString();
    return std::nullopt;
  }
  TSpeicherzahlen zahlen;
  std::istringstream ausgabe(kind.readAllStandardOutput().toStdString());
  ausgabe >> zahlen.Basis >> zahlen.SpitzeLaden >> zahlen.NachSitzung >> zahlen.SpitzeSitzung;
  return zahlen;
}

// Peak while loading and what stays after a session, each over the
// resident size before the start, as a multiple of the file's size.
void Speicher(benchmark::State& state) {
  const std::string& sammlung = Testsammlungsdatei(Anzahl(state));
  std::optional<TSpeicherzahlen> zahlen;
  std::string stoerung;
  for (auto _ : state) zahlen = MissInFrischemProzess(sammlung, stoerung);
  if (!zahlen) return Melde(state, stoerung);
  const double datei = static_cast<double>(Dateigroesse(sammlung));
  auto jeDatei = [&](double kib) { return (kib - zahlen->Basis) * Kibibyte / datei; };
  state.counters["Spitze_Laden_je_Datei"] = jeDatei(zahlen->SpitzeLaden);
  state.counters["Nach_Sitzung_je_Datei"] = jeDatei(zahlen->NachSitzung);
  state.counters["Spitze_Sitzung_je_Datei"] = jeDatei(zahlen->SpitzeSitzung);
  state.counters["Spitze_Laden_MB"] = (zahlen->SpitzeLaden - zahlen->Basis) * Kibibyte / 1e6;
}

// The New command on the loaded collection; each time loaded again untimed.
void Neu(benchmark::State& state) {
  const std::string& sammlung = Testsammlungsdatei(Anzahl(state));
  TLaufendesProgramm programm(sammlung);
  TFHaupt& haupt = programm.Haupt();
  for (auto _ : state) {
    haupt.MainNew->trigger();
    state.PauseTiming();
    Erwarte(state, haupt.LBFilme->Count() == 0, "leere Filmliste");
    haupt.LoadCollection(QString::fromStdString(sammlung));
    state.ResumeTiming();
  }
  Melde(state, programm.Stoerung());
  state.counters["x_Lesen"] = Vielfaches(GrundlinieLesen(sammlung));
}

// Closing the main window until every window is destroyed.
void Beenden(benchmark::State& state) {
  const std::string& sammlung = Testsammlungsdatei(Anzahl(state));
  for (auto _ : state) {
    state.PauseTiming();
    {
      TLaufendesProgramm programm(sammlung);
      state.ResumeTiming();
      programm.Beende();
      state.PauseTiming();
      Melde(state, programm.Stoerung());
    }
    state.ResumeTiming();
  }
  state.counters["x_Lesen"] = Vielfaches(GrundlinieLesen(sammlung));
}

[[maybe_unused]] const bool Registriert = RegistriereJeGroesse({
    {"Grundlinie_Lesen", Grundlinie_Lesen},
    {"Grundlinie_SchreibenFsync", Grundlinie_SchreibenFsync},
    {"Bereit", Bereit},
    {"Wiederherstellen", Wiederherstellen},
    {"Speicher", Speicher, 1},
    {"Neu", Neu, 3},
    {"Beenden", Beenden, 3},
});

}  // namespace
