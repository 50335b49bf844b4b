#pragma once
// The collection store: all films and all games of the open collection, each
// an ordered list addressed by 1-based position.

#include "model/UDatentypen.h"
#include "model/URecordListe.h"

class TDatBas {
public:
  TDatBas() = default;
  TDatBas(const TDatBas&) = delete;
  TDatBas& operator=(const TDatBas&) = delete;

  // Every record in store order: record i is element i - 1.
  const TSatzfolge<TFilmRec>& Filme() const { return FilmListe.Alle(); }
  const TSatzfolge<TSpielRec>& Spiele() const { return SpielListe.Alle(); }

  int FilmCount() const { return FilmListe.Count(); }
  const TCDZaehlung& FilmCDs() const { return FilmListe.CDs(); }
  void GetFilm(int i, TFilmRec& dest) const { FilmListe.Get(i, dest); }
  void AddFilm(const TFilmRec& film) { FilmListe.Add(film); }
  void AddFilm(TFilmRec&& film) { FilmListe.Add(std::move(film)); }
  void SetFilm(int i, const TFilmRec& film) { FilmListe.Set(i, film); }
  void DeleteFilm(int i) { FilmListe.Delete(i); }
  void ClearFilme() { FilmListe.Clear(); }
  void OrdneFilme(const std::vector<const TFilmRec*>& reihenfolge) { FilmListe.Ordne(reihenfolge); }

  int SpielCount() const { return SpielListe.Count(); }
  const TCDZaehlung& SpielCDs() const { return SpielListe.CDs(); }
  void GetSpiel(int i, TSpielRec& dest) const { SpielListe.Get(i, dest); }
  void AddSpiel(const TSpielRec& spiel) { SpielListe.Add(spiel); }
  void AddSpiel(TSpielRec&& spiel) { SpielListe.Add(std::move(spiel)); }
  void SetSpiel(int i, const TSpielRec& spiel) { SpielListe.Set(i, spiel); }
  void DeleteSpiel(int i) { SpielListe.Delete(i); }
  void ClearSpiele() { SpielListe.Clear(); }
  void OrdneSpiele(const std::vector<const TSpielRec*>& reihenfolge) { SpielListe.Ordne(reihenfolge); }

private:
  TRecordListe<TFilmRec> FilmListe;
  TRecordListe<TSpielRec> SpielListe;
};
