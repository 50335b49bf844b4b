// The recovery journal of the main window: every command that changes the
// collection writes its changes to it, and a start offers back the journal
// of a program that ended before its changes were saved or let go.

#include "main/Hauptformular.h"

#include "platform/Fehler.h"
#include "widgets/Befehlsschutz.h"
#include "widgets/Dateinamen.h"
#include "widgets/Dialoge.h"

#include <QDateTime>
#include <QSessionManager>
#include <QTimer>

namespace {

// Where a journal's changes were made, and when it began, as the boxes name them.
QString Herkunft(const TJournalKopf& kopf) {
  const QString wann =
      QDateTime::fromSecsSinceEpoch(kopf.Zeit).toString(QStringLiteral("dd.MM.yyyy HH:mm"));
  if (!kopf.Basis) return QStringLiteral("an der neuen Liste vom %1").arg(wann);
  return QStringLiteral("an \u00BB%1\u00AB vom %2").arg(DateinameAnzeige(DateinameText(kopf.Basis->Datei)), wann);
}

}  // namespace

void TFHaupt::Journalisiere(const TJournalEintrag& eintrag) {
  if (eintrag.Leer() || JournalAusgesetzt) return;
  try {
    if (!Journal) {
      TJournalKopf kopf{QDateTime::currentSecsSinceEpoch(), std::nullopt};
      if (GemerkteDatei.Stand()) kopf.Basis = TJournalBasis{GemerkteDatei.Pfad(), *GemerkteDatei.Stand()};
      Journal = std::make_unique<TJournaldatei>(KodiereKopf(kopf));
    }
    Journal->Haenge(eintrag.Daten());
    if (!JournalUhr->isActive()) JournalUhr->start();
  } catch (const EFehler& fehler) {
    JournalGescheitert(fehler.what());
  }
}

void TFHaupt::JournalGescheitert(const std::string& fehler) {
  if (Journal) Journal->Entferne();
  Journal.reset();
  JournalUhr->stop();
  JournalAusgesetzt = true;
  // After the command that failed to journal, not in its middle.
  QTimer::singleShot(0, this, [this, fehler] { Fehlerbox(Dialoge, this, fehler); });
}

void TFHaupt::BeendeJournal() {
  JournalUhr->stop();
  if (Journal) Journal->Entferne();
  Journal.reset();
  JournalAusgesetzt = false;
}

bool TFHaupt::BieteJournaleAn() {
  for (const TOffenesJournal& journal : OffeneJournale()) {
    if (journal.Kopf.Basis && !BasisUnveraendert(*journal.Kopf.Basis)) {
      Dialoge.Meldung(this, QStringLiteral("Wiederherstellung"),
                      QStringLiteral("Die \u00C4nderungen %1 k\u00F6nnen nicht wiederhergestellt werden, weil die "
                                     "Datei seitdem ge\u00E4ndert wurde.\nSie bleiben in \u00BB%2\u00AB erhalten.")
                          .arg(Herkunft(journal.Kopf), DateinameAnzeige(DateinameText(journal.Datei.Pfad))),
                      TKnoepfe::Ok, TSymbol::Ausrufezeichen);
      continue;
    }
    const QString frage = QStringLiteral("Die \u00C4nderungen %1 wurden nicht gespeichert.\nWollen Sie sie "
                                         "wiederherstellen ?")
                              .arg(Herkunft(journal.Kopf));
    if (Dialoge.Meldung(this, QStringLiteral("Wiederherstellung"), frage, TKnoepfe::JaNein, TSymbol::Keins) !=
        TAntwort::Ja) {
      VerwirfJournal(journal.Datei.Pfad);
      continue;
    }
    // Restored also where the file failed part-way: what was read and the
    // changes are in the window, and its failure was shown.
    Befehl([&] { StelleJournalWiederHer(journal); });
    return Modified;
  }
  return false;
}

void TFHaupt::StelleJournalWiederHer(const TOffenesJournal& journal) {
  // The journal goes on as this program's: a crash now loses nothing either.
  Journal = std::make_unique<TJournaldatei>(journal.Datei.Pfad, journal.Datei.GueltigeLaenge);
  const QString basis = journal.Kopf.Basis ? DateinameText(journal.Kopf.Basis->Datei) : QString();
  std::string fehler;
  try {
    fehler = LadeSammlung(basis, journal.Datei.Bloecke);
  } catch (const EFehler&) {
    Journal.reset();  // kept for another try
    throw;
  }
  Modified = true;
  if (!fehler.empty()) throw EFehler(fehler);
}

void TFHaupt::SitzungEndet(QSessionManager& sitzung) {
  if (sitzung.allowsInteraction()) {
    bool schliessen = false;
    Befehl([&] { schliessen = FormClose(); });
    if (schliessen) {
      // The user saved or let the changes go. Changes after a logout that
      // another program cancelled are not journalled on an unsaved state.
      const bool ungespeichert = Modified;
      BeendeJournal();
      JournalAusgesetzt = ungespeichert;
    } else {
      sitzung.cancel();
    }
    sitzung.release();
  } else if (Journal) {
    try {
      Journal->Synchronisiere();
    } catch (const EFehler&) {  // nobody is there to be told
    }
  }
}
