#include "Testsammlung.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <stdexcept>
#include <string_view>

namespace {

// Code page 1252: \xE4 ä, \xF6 ö, \xFC ü, \xDF ß, \xC4 Ä, \xD6 Ö, \xDC Ü, \x96 en dash.
constexpr std::array<std::string_view, 16> Substantive = {
    "Der B\xE4r",          "Die Br\xFC" "cke", "Das M\xE4" "dchen", "Der K\xF6nig",
    "Die Stra\xDF" "e",    "Das T\xF6rchen",   "Der Sch\xFC" "tze",  "Die M\xFChle",
    "Das Gl\xFC" "ck",     "Der Flu\xDF",      "Die H\xF6hle",       "Das Schlo\xDF",
    "Der J\xE4ger",        "Die W\xFCste",     "Das \xD6lfass",      "Der \xC4rger"};
constexpr std::array<std::string_view, 12> Adjektive = {
    "gr\xFCne", "sch\xF6ne", "gro\xDF" "e", "m\xFC" "de",  "fr\xF6hliche", "wei\xDF" "e",
    "letzte",   "dunkle",    "s\xFC\xDF" "e", "b\xF6se", "kleine",       "verlorene"};
constexpr std::array<std::string_view, 8> Filmzusaetze = {
    "",  " von Oberm\xFChlbach", " am Bodensee", " \x96 Teil 2", " im Schwarzwald", " aus K\xF6ln",
    " (Neufassung)", " und die Rache des Grafen"};
constexpr std::array<std::string_view, 6> Spielzusaetze = {
    "", " II", " \x96 Gold-Edition", " 1602", " Deluxe", " \x96 Die R\xFC" "ckkehr"};
constexpr std::array<std::string_view, 8> Formate = {"DVD", "DivX 5.x", "SVCD", "(S)VCD",
                                                     "AVI", "MPEG",     "VCD",  "XviD"};
constexpr std::array<std::string_view, 8> Filmgenres = {
    "Abenteuer", "Kom\xF6" "die", "Drama", "Krimi", "Science Fiction", "Thriller", "Kriegsfilm", "M\xE4rchen"};
constexpr std::array<std::string_view, 7> Spielgenres = {
    "Strategie / Aufbau", "Rollenspiel", "Action", "Adventure", "Simulation", "Sport", "Denkspiel"};
constexpr std::array<std::string_view, 6> Kommentare = {
    "", "", "Originalton franz\xF6sisch", "mit Bonusmaterial", "Schwarzwei\xDF", "deutsche Sprachausgabe"};
constexpr std::array<std::string_view, 5> Leute = {"J\xFCrgen", "Bj\xF6rn", "G\xFCnther", "K\xE4the", "S\xF6ren"};

constexpr int Verleihanzahl = 300;
constexpr int Wunschanzahl = 150;

template <std::size_t N>
std::string Wahl(std::mt19937& zufall, const std::array<std::string_view, N>& woerter) {
  return std::string(woerter[zufall() % N]);
}

std::string Titel(std::mt19937& zufall, std::string zusatz) {
  std::string titel = Wahl(zufall, Substantive);
  titel.insert(titel.find(' ') + 1, Wahl(zufall, Adjektive) + ' ');
  return titel + zusatz;
}

std::string Tempordner() {
  const char* basis = std::getenv("TMPDIR");
  std::string muster = std::string(basis && *basis ? basis : "/tmp") + "/scheibwart-bench-XXXXXX";
  if (mkdtemp(muster.data()) == nullptr) throw std::runtime_error("kein Ordner unter " + muster);
  return muster;
}

// Removes the folder when the process ends.
struct TOrdner {
  std::string Pfad = Tempordner();
  ~TOrdner() { std::filesystem::remove_all(Pfad); }
};

}  // namespace

TSammlung Testsammlung(int anzahl) {
  std::mt19937 zufall(1252);
  TSammlung s;
  s.Filme.reserve(static_cast<std::size_t>(anzahl));
  s.Spiele.reserve(static_cast<std::size_t>(anzahl));
  for (int i = 0; i < anzahl; ++i) {
    s.Filme.push_back({Titel(zufall, Wahl(zufall, Filmzusaetze)), std::to_string(1 + zufall() % 4),
                       Wahl(zufall, Formate), Wahl(zufall, Filmgenres), Wahl(zufall, Kommentare)});
    s.Spiele.push_back({Titel(zufall, Wahl(zufall, Spielzusaetze)), std::to_string(1 + zufall() % 3),
                        Wahl(zufall, Spielgenres), Wahl(zufall, Kommentare)});
  }
  for (int i = 0; i < Verleihanzahl; ++i)
    s.Verleih.push_back("an " + Wahl(zufall, Leute) + " - " + Titel(zufall, ""));
  for (int i = 0; i < Wunschanzahl; ++i) {
    s.FilmWuensche.push_back(Titel(zufall, Wahl(zufall, Filmzusaetze)));
    s.SpielWuensche.push_back(Titel(zufall, Wahl(zufall, Spielzusaetze)));
  }
  return s;
}

const std::string& Benchordner() {
  static const TOrdner ordner;
  return ordner.Pfad;
}

const std::string& Testsammlungsdatei(int anzahl) {
  static std::map<int, std::string> dateien;
  auto [eintrag, neu] = dateien.try_emplace(anzahl);
  if (neu) {
    const char* gemeinsam = std::getenv("SCHEIBWART_BENCH_SAMMLUNGEN");
    const std::string ordner = gemeinsam && *gemeinsam ? gemeinsam : Benchordner();
    eintrag->second = ordner + "/Sammlung-" + std::to_string(anzahl) + ".swl";
    if (!std::filesystem::exists(eintrag->second)) SchreibeSammlung(eintrag->second, Testsammlung(anzahl));
  }
  return eintrag->second;
}

std::uintmax_t Dateigroesse(const std::string& pfad) { return std::filesystem::file_size(pfad); }
