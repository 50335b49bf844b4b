#pragma once
// The collection store: all films and all games of the open collection, each
// an ordered list addressed by 1-based position.

#include "model/UDatentypen.h"
#include "model/URecordChain.h"

using TFilmNode = TRecNode<TFilmRec>;
using TSpielNode = TRecNode<TSpielRec>;

class TDatBas {
public:
  TDatBas() = default;
  TDatBas(const TDatBas&) = delete;
  TDatBas& operator=(const TDatBas&) = delete;
  ~TDatBas();

  const TFilmNode* FilmHead() const { return Filme.Head(); }
  const TSpielNode* SpielHead() const { return Spiele.Head(); }

  int FilmCount() const { return Filme.Count(); }
  void GetFilm(int i, TFilmRec& dest) const { Filme.Get(i, dest); }
  void AddFilm(const TFilmRec& film) { Filme.Add(film); }
  void SetFilm(int i, const TFilmRec& film) { Filme.Set(i, film); }
  void DeleteFilm(int i) { Filme.Delete(i); }
  void ClearFilme() { Filme.Clear(); }

  int SpielCount() const { return Spiele.Count(); }
  void GetSpiel(int i, TSpielRec& dest) const { Spiele.Get(i, dest); }
  void AddSpiel(const TSpielRec& spiel) { Spiele.Add(spiel); }
  void SetSpiel(int i, const TSpielRec& spiel) { Spiele.Set(i, spiel); }
  void DeleteSpiel(int i) { Spiele.Delete(i); }
  void ClearSpiele() { Spiele.Clear(); }

private:
  TRecordChain<TFilmRec> Filme;
  TRecordChain<TSpielRec> Spiele;
};
