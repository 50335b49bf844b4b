#include "main/Programm.h"

#include "main/FFOptionen.h"
#include "windows/FFDetailansicht.h"
#include "windows/FFSuche.h"
#include "windows/FFTastaturkuerzel.h"
#include "windows/FFUebersicht.h"
#include "windows/FFVersion.h"
#include "windows/FInfo.h"

#include <QGuiApplication>
#include <QScreen>

TProgramm::TProgramm(const TUmgebung& umgebung)
    : FHaupt(std::make_unique<TFHaupt>(umgebung)) {
  QWidget* haupt = FHaupt.get();
  Nebenfenster.FOptionen = new TFOptionen(*FHaupt, umgebung.Dialoge);
  Nebenfenster.FFInfo = new TFFInfo(haupt, umgebung);
  Nebenfenster.FVersion = new TFVersion(haupt);
  Nebenfenster.FUebersicht = new TFUebersicht(haupt, *FHaupt->DatBas, umgebung.Dialoge);
  Nebenfenster.FSuche = new TFSuche(haupt, *FHaupt->DatBas, umgebung.Dialoge);
  Nebenfenster.FTastaturkuerzel = new TFTastaturkuerzel(haupt);
  Nebenfenster.FDetailansicht = new TFDetailansicht(*Nebenfenster.FUebersicht);
  FHaupt->SetzeFenster(Nebenfenster);
}

void TProgramm::Start() {
  if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
    QRect platz = FHaupt->frameGeometry();
    platz.moveCenter(bildschirm->availableGeometry().center());
    FHaupt->move(platz.topLeft());
  }
  FHaupt->show();
}
