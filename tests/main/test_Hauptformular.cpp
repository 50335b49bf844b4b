// The main window's lifecycle driven through its real widgets: start-up,
// New, Open, Save and closing, with every box answered by the scripted fake.

#include "main/Fenstertitel.h"
#include "main/Programm.h"
#include "model/USammlungsdatei.h"
#include "model/UZeilentext.h"
#include "widgets/Cp1252.h"
#include "widgets/ListBox.h"
#include "support/ScriptedDialoge.h"
#include "support/Programmtest.h"
#include "support/Testumgebung.h"
#include "support/Testordner.h"
#include "main/FFOptionen.h"
#include "windows/FFDetailansicht.h"
#include "windows/FFSuche.h"
#include "windows/FFTastaturkuerzel.h"
#include "windows/FFUebersicht.h"
#include "windows/FFVersion.h"
#include "windows/FInfo.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <memory>

namespace {

// A small collection with umlauts (code page 1252 bytes).
TSammlung Beispiel() {
  TSammlung s;
  s.Filme = {{"Das Boot", "2", "DivX 5.x", "Kriegsfilm", "Director's Cut"},
             {"M\xFCnchhausen", "1", "SVCD", "Kom\xF6" "die", ""},
             {"Alien", "10", "DVD", "Science Fiction", "x"}};
  s.Spiele = {{"Die Siedler \xC4gyptens", "3", "Strategie / Aufbau", "gro\xDF"}};
  s.Verleih = {"Das Boot - an J\xF6rg"};
  s.FilmWuensche = {"Heimat", "Die Br\xFC" "cke"};
  return s;
}

QString Pfad(const QTemporaryDir& ordner, const char* name) { return ordner.filePath(QString::fromLatin1(name)); }

void Schreibe(const QString& pfad, const TSammlung& s) {
  SchreibBytes(pfad, AlsBytes(EncodeSammlung(s)));
}

// One slot as another program might write it: the text, then zero bytes.
QByteArray Slot(const QByteArray& text) {
  QByteArray slot(256, '\0');
  slot[0] = static_cast<char>(text.size());
  slot.replace(1, text.size(), text);
  return slot;
}

QByteArray Record(const QList<QByteArray>& zwoelf) {
  QByteArray record;
  for (const QByteArray& text : zwoelf) record += Slot(text);
  return record;
}

}  // namespace

class TestHauptformular : public TProgrammTest {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> Ordner;

  void PruefeLeer() {
    QCOMPARE(H().windowTitle(), TitleNoFile());
    QCOMPARE(H().DatBas->FilmCount(), 0);
    QCOMPARE(H().DatBas->SpielCount(), 0);
    for (TListBox* liste : {H().LBFilme, H().LBSpiele, H().LBVerleih, H().LBFilmeW, H().LBSpieleW})
      QCOMPARE(liste->Count(), 0);
    for (QToolButton* knopf :
         {H().SBFilmchange, H().SBFilmdel, H().SBFilmup, H().SBFilmdown, H().SBFilmVerleih,
          H().SBSpielchange, H().SBSpieldel, H().SBSpielup, H().SBSpieldown, H().SBSpielVerleih,
          H().SBVerleihdel, H().SBFilmWdel, H().SBSpielWdel})
      QVERIFY2(!knopf->isEnabled(), qPrintable(knopf->objectName()));
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("0"));
    QCOMPARE(H().LBSpielNum->text(), QStringLiteral("0"));
    for (QLineEdit* edit : {H().EFFilm, H().EFCDAnzahl, H().EFKommentar, H().ESSpiel,
                            H().ESCDAnzahl, H().ESKommentar})
      QVERIFY(edit->text().isEmpty());
    for (QComboBox* kombi : {H().EFCDFormat, H().EFGenre, H().ESGenre})
      QVERIFY(kombi->currentText().isEmpty());
  }

  void PruefeBeispielGeladen(const QString& pfad) {
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
    QCOMPARE(H().DatBas->FilmCount(), 3);
    QCOMPARE(H().DatBas->SpielCount(), 1);
    PruefeListenWieStore();
    QCOMPARE(H().LBFilme->Item(1), QStringLiteral("Münchhausen  ( 1 * SVCD )"));
    QCOMPARE(H().LBSpiele->Item(0), QStringLiteral("Die Siedler Ägyptens  ( Strategie / Aufbau )"));
    QCOMPARE(H().LBVerleih->Item(0), QStringLiteral("Das Boot - an Jörg"));
    QCOMPARE(H().LBFilmeW->Count(), 2);
    QCOMPARE(H().LBFilmeW->Item(1), QStringLiteral("Die Brücke"));
    QCOMPARE(H().LBSpieleW->Count(), 0);
    for (TListBox* liste : {H().LBFilme, H().LBSpiele, H().LBVerleih, H().LBFilmeW})
      QCOMPARE(liste->ItemIndex(), 0);
    QCOMPARE(H().LBSpieleW->ItemIndex(), -1);
    QCOMPARE(H().EFFilm->text(), QStringLiteral("Das Boot"));
    QCOMPARE(H().EFCDFormat->currentText(), QStringLiteral("DivX 5.x"));
    QCOMPARE(H().EFGenre->currentText(), QStringLiteral("Kriegsfilm"));
    QCOMPARE(H().EFKommentar->text(), QStringLiteral("Director's Cut"));
    QCOMPARE(H().ESSpiel->text(), QStringLiteral("Die Siedler Ägyptens"));
    QCOMPARE(H().ESGenre->currentText(), QStringLiteral("Strategie / Aufbau"));
    QCOMPARE(H().ESKommentar->text(), QStringLiteral("groß"));
    QCOMPARE(H().LBFilmNum->text(), QStringLiteral("1"));
    QCOMPARE(H().LBSpielNum->text(), QStringLiteral("1"));
    for (QToolButton* knopf :
         {H().SBFilmchange, H().SBFilmdel, H().SBFilmup, H().SBFilmdown, H().SBFilmVerleih,
          H().SBSpielchange, H().SBSpieldel, H().SBSpielup, H().SBSpieldown, H().SBSpielVerleih,
          H().SBVerleihdel, H().SBFilmWdel})
      QVERIFY2(knopf->isEnabled(), qPrintable(knopf->objectName()));
    QVERIFY(!H().SBSpielWdel->isEnabled());
    QVERIFY(!H().Modified);
  }

  void PruefeFehlerbox(const TGezeigteBox& box, const QString& text) {
    QCOMPARE(box.Art, TGezeigteBox::TArt::Meldung);
    QCOMPARE(box.Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(box.Text, text);
    QCOMPARE(box.Knoepfe, TKnoepfe::Ok);
    QCOMPARE(box.Symbol, TSymbol::Stop);
  }

  void PruefeFrage(const TGezeigteBox& box, const QString& text) {
    QCOMPARE(box.Art, TGezeigteBox::TArt::Meldung);
    QCOMPARE(box.Titel, QStringLiteral("Datei wurde geändert"));
    QCOMPARE(box.Text, text);
    QCOMPARE(box.Knoepfe, TKnoepfe::JaNein);
    QCOMPARE(box.Symbol, TSymbol::Keins);
  }

  void PruefeNichtsZuSpeichern(const TGezeigteBox& box) {
    QCOMPARE(box.Titel, QStringLiteral("Fehler:"));
    QCOMPARE(box.Text, QStringLiteral("Speichern ist fehlgeschlagen!\nEs sind keine Daten eingetragen!"));
    QCOMPARE(box.Knoepfe, TKnoepfe::Ok);
    QCOMPARE(box.Symbol, TSymbol::Ausrufezeichen);
  }

  void Taste(Qt::Key taste) { QTest::keyClick(&H(), taste, Qt::ControlModifier); }

  // Another program saves its own collection at pfad the atomic way: its
  // bytes, none when it failed.
  QByteArray SpeichereFremd(const QString& pfad) {
    TSammlung fremd;
    fremd.FilmWuensche = {"fremd"};
    const QString neu = pfad + QStringLiteral(".neu");
    Schreibe(neu, fremd);
    return std::rename(QFile::encodeName(neu).constData(), QFile::encodeName(pfad).constData()) == 0
               ? LiesBytes(pfad)
               : QByteArray();
  }

  const QString Vorher = QStringLiteral("Wollen Sie die Datei vorher speichern ?");
  const QString Beenden = QStringLiteral("Wollen Sie die Änderungen speichern ?");

private slots:
  void init() {
    Neu();
    Ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(Ordner->isValid());
  }

  void cleanup() { Beende(); }

  void startOhneArgument() {
    Starte();
    PruefeLeer();
    QVERIFY(!H().Modified);
    QVERIFY(Dialoge().Boxen.isEmpty());
    // Fixed client area: the central area and the status bar below the menu.
    QCOMPARE(H().centralWidget()->width(), 907);
    QCOMPARE(H().centralWidget()->height() + H().statusBar()->height(), 654);
    QCOMPARE(H().statusBar()->height(), 19);
    QCOMPARE(H().minimumSize(), H().maximumSize());
    QVERIFY(!(H().windowFlags() & Qt::WindowMaximizeButtonHint));
  }

  void startMitArgumentLaedtDieDatei() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad, QStringLiteral("weiteres Argument")});
    PruefeBeispielGeladen(pfad);
    QVERIFY(Dialoge().Boxen.isEmpty());
  }

  // A file named by a path relative to the working folder is shown in the
  // title with its full path.
  void relativerPfadErscheintVollImTitel() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    QVERIFY(QDir(Ordner->path()).mkdir(QStringLiteral("unter")));
    const QString vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Ordner->path()));
    Starte({QStringLiteral("unter/../Sammlung.swl")});
    QDir::setCurrent(vorher);
    QCOMPARE(H().windowTitle(), TitleNoFile() + QStringLiteral("  ( ") + pfad + QStringLiteral(" )"));
    QCOMPARE(H().DatBas->FilmCount(), 3);
  }

  void startMitFehlendemArgumentLaedtNichts() {
    Starte({Pfad(*Ordner, "gibt es nicht.swl")});
    PruefeLeer();
    Programm.reset();
    Starte({Ordner->path()});  // a folder is not a collection file
    PruefeLeer();
    QVERIFY(Dialoge().Boxen.isEmpty());
  }

  void startMitBeschaedigterDateiZeigtWasGelesenWurde() {
    const QString pfad = Pfad(*Ordner, "kaputt.swl");
    QByteArray bytes = AlsBytes(EncodeSammlung(Beispiel()));
    bytes.chop(100);  // the third record is incomplete
    SchreibBytes(pfad, bytes);
    Starte({pfad});
    QCOMPARE(Dialoge().Boxen.size(), 1);
    PruefeFehlerbox(Dialoge().Boxen[0], QStringLiteral("Versuch hinter dem Dateiende zu lesen."));
    QVERIFY(Dialoge().Boxen[0].UeberGezeigtemFenster);  // the main window is on screen first
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
    QCOMPARE(H().DatBas->FilmCount(), 2);
    PruefeListenWieStore();
    QCOMPARE(H().LBFilme->ItemIndex(), 0);
    QCOMPARE(H().LBFilmeW->Count(), 2);
    QVERIFY(H().isVisible());
  }

  void neuOhneAenderungFragtNicht() {
    const QString pfad = Pfad(*Ordner, "a.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    Taste(Qt::Key_N);
    PruefeLeer();
    QVERIFY(Dialoge().Boxen.isEmpty());
  }

  void neuMitAenderungNeinVerwirft() {
    const QString pfad = Pfad(*Ordner, "a.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    H().Modified = true;
    Dialoge().Frage(TAntwort::Nein);
    H().SBFileNew->click();
    QCOMPARE(Dialoge().Boxen.size(), 1);
    PruefeFrage(Dialoge().Boxen[0], Vorher);
    PruefeLeer();
    QVERIFY(!H().Modified);
  }

  void neuMitAenderungJaSpeichertErst() {
    const QString pfad = Pfad(*Ordner, "a.swl");
    const QString ziel = Pfad(*Ordner, "gesichert.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    H().Modified = true;
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().Waehle(ziel);
    H().MainNew->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[1].Titel, QStringLiteral("Scheibwart - Liste speichern"));
    QCOMPARE(LiesBytes(ziel), LiesBytes(pfad));
    PruefeLeer();
  }

  // A save that wrote nothing stops the New command; a save refused because
  // there is nothing to save lets it go on.
  void neuWirdAbgebrochenWennNichtGespeichertWurde() {
    const QString pfad = Pfad(*Ordner, "a.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    H().Modified = true;
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().BrichAb();
    H().MainNew->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(H().DatBas->FilmCount(), 3);
    QCOMPARE(H().LBFilmeW->Count(), 2);
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
    QVERIFY(H().Modified);

    Dialoge().Vergiss();
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().Waehle(Pfad(*Ordner, "fehlt/neu.swl"));
    H().MainNew->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 3);
    PruefeFehlerbox(Dialoge().Boxen[2], QStringLiteral("Datei nicht gefunden."));
    QCOMPARE(H().DatBas->FilmCount(), 3);
    QCOMPARE(H().LBFilme->Count(), 3);
    QVERIFY(H().Modified);
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
  }

  void neuGehtWeiterWennNichtsZuSpeichernWar() {
    Starte();
    H().Modified = true;
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().Waehle(Pfad(*Ordner, "leer.swl"));
    H().MainNew->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 3);
    PruefeNichtsZuSpeichern(Dialoge().Boxen[2]);
    QVERIFY(!QFile::exists(Pfad(*Ordner, "leer.swl")));
    PruefeLeer();
    QVERIFY(!H().Modified);
  }

  void oeffnenZeigtDenDialogUndLaedt() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    Starte();
    Dialoge().Waehle(pfad);
    Taste(Qt::Key_O);
    QCOMPARE(Dialoge().Boxen.size(), 1);
    const TGezeigteBox& box = Dialoge().Boxen[0];
    QCOMPARE(box.Art, TGezeigteBox::TArt::Datei);
    QCOMPARE(box.DateiArt, TDateiDialog::TArt::Oeffnen);
    QCOMPARE(box.Titel, QStringLiteral("Scheibwart - Liste öffnen"));
    QCOMPARE(box.Filter, QStringLiteral("Scheibwart - Listen *.swl|*.swl"));
    QCOMPARE(box.DefaultExt, QStringLiteral("swl"));
    QCOMPARE(box.InitialDir, QStringLiteral("."));
    QCOMPARE(box.Text, QStringLiteral("Scheibwart Liste"));
    QVERIFY(!box.OverwritePrompt);
    PruefeBeispielGeladen(pfad);

    // The dialog proposes the file chosen last; the tool button opens it too.
    Dialoge().Vergiss();
    Dialoge().BrichAb();
    H().SBFileLoad->click();
    QCOMPARE(Dialoge().Boxen[0].Text, pfad);
    PruefeBeispielGeladen(pfad);  // a cancelled dialog changes nothing
  }

  void oeffnenMitAenderungFragtZweimal() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    Starte();
    H().Modified = true;
    Dialoge().Frage(TAntwort::Nein);
    Dialoge().Waehle(pfad);
    Dialoge().Frage(TAntwort::Nein);
    H().MainLoad->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 3);
    PruefeFrage(Dialoge().Boxen[0], Vorher);
    QCOMPARE(Dialoge().Boxen[1].Art, TGezeigteBox::TArt::Datei);
    PruefeFrage(Dialoge().Boxen[2], Vorher);
    PruefeBeispielGeladen(pfad);
  }

  void oeffnenWirdAbgebrochenWennNichtGespeichertWurde() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    H().Modified = true;
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().BrichAb();
    H().MainLoad->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);  // no open dialog after the cancelled save
    QCOMPARE(Dialoge().Boxen[1].DateiArt, TDateiDialog::TArt::Speichern);
    QVERIFY(H().Modified);
    QCOMPARE(H().DatBas->FilmCount(), 3);
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
  }

  void oeffnenEinesUnbekanntenNamensLeert() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    Dialoge().Waehle(Pfad(*Ordner, "neu.swl"));
    H().MainLoad->trigger();
    PruefeLeer();
    QCOMPARE(Dialoge().Boxen.size(), 1);
  }

  void oeffnenEinerBeschaedigtenDatei() {
    const QString pfad = Pfad(*Ordner, "kaputt.swl");
    SchreibBytes(pfad, QByteArray(5000, 'z'));
    Starte();
    Dialoge().Waehle(pfad);
    H().MainLoad->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    PruefeFehlerbox(Dialoge().Boxen[1], QStringLiteral("Versuch hinter dem Dateiende zu lesen."));
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
    QCOMPARE(H().DatBas->FilmCount(), 1);  // the one complete record
    PruefeListenWieStore();
    QCOMPARE(H().LBFilme->ItemIndex(), 0);
    QVERIFY(!H().Modified);
  }

  void speichernSchreibtDieSammlung() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    const QString ziel = Pfad(*Ordner, "Kopie.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    H().Modified = true;
    Dialoge().Waehle(ziel);
    Taste(Qt::Key_S);
    QCOMPARE(Dialoge().Boxen.size(), 1);
    const TGezeigteBox& box = Dialoge().Boxen[0];
    QCOMPARE(box.DateiArt, TDateiDialog::TArt::Speichern);
    QCOMPARE(box.Titel, QStringLiteral("Scheibwart - Liste speichern"));
    QCOMPARE(box.Filter, QStringLiteral("Scheibwart - Listen *.swl|*.swl"));
    QCOMPARE(box.DefaultExt, QStringLiteral("swl"));
    QCOMPARE(box.InitialDir, QStringLiteral("."));
    QCOMPARE(box.Text, QStringLiteral("Scheibwart Liste"));
    QVERIFY(box.OverwritePrompt);
    QCOMPARE(LiesBytes(ziel), LiesBytes(pfad));
    QCOMPARE(H().windowTitle(), TitleWithFile(ziel));
    QVERIFY(!H().Modified);

    // Save always asks for the name and works without changes, too.
    Dialoge().Vergiss();
    Dialoge().Waehle(pfad);
    H().SBFileSave->click();
    QCOMPARE(Dialoge().Boxen[0].Text, ziel);
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
  }

  // A file written by another program, "x" entries in the middle of its
  // columns included, is saved again byte for byte.
  void fremdeDateiWirdByteGenauWiederGespeichert() {
    const QByteArray m("x");
    QByteArray datei;
    datei += Record({"Metropolis", "2", "AVI", "Drama", "Stummfilm", "Myst", "1", "Adventure", "",
                     "", "x", "Nosferatu"});
    datei += Record({"x", "1", "x", "x", "x", m, m, m, m, "Myst - an Bj\xF6rn", "Faust", m});
    datei += Record({"Die Nibelungen", "", "", "", "\xE4\xF6\xFC\xDF\x80\x81\xFF", m, m, m, m, "x",
                     m, m});
    datei += Record({QByteArray(255, 'L'), "a", "b", "c", "d", m, m, m, m, "letzter", m, m});
    const QString pfad = Pfad(*Ordner, "fremd.swl");
    const QString ziel = Pfad(*Ordner, "wieder.swl");
    SchreibBytes(pfad, datei);

    Starte({pfad});
    QCOMPARE(H().DatBas->FilmCount(), 4);
    QCOMPARE(H().LBVerleih->Count(), 4);
    QCOMPARE(H().LBVerleih->Item(0), QString());
    QCOMPARE(H().LBVerleih->Item(2), QStringLiteral("x"));
    QCOMPARE(H().LBFilmeW->Count(), 2);
    QCOMPARE(H().LBFilmeW->Item(0), QStringLiteral("x"));
    Dialoge().Waehle(ziel);
    Taste(Qt::Key_S);
    QCOMPARE(LiesBytes(ziel), datei);
  }

  void speichernOhneDatenWirdAbgelehnt() {
    Starte();
    H().Modified = true;
    const QString ziel = Pfad(*Ordner, "leer.swl");
    Dialoge().Waehle(ziel);
    H().MainSave->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    PruefeNichtsZuSpeichern(Dialoge().Boxen[1]);
    QVERIFY(!QFile::exists(ziel));
    QVERIFY(H().Modified);
    QCOMPARE(H().windowTitle(), TitleNoFile());
  }

  void speichernDasScheitertLaesstAllesStehen() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    H().Modified = true;
    Dialoge().Waehle(Pfad(*Ordner, "fehlt/Sammlung.swl"));
    H().MainSave->trigger();
    QCOMPARE(Dialoge().Boxen.size(), 2);
    PruefeFehlerbox(Dialoge().Boxen[1], QStringLiteral("Datei nicht gefunden."));
    QVERIFY(H().Modified);
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));

    Dialoge().Vergiss();
    Dialoge().BrichAb();
    H().MainSave->trigger();
    QVERIFY(H().Modified);
  }

  // Save asks before it replaces a file that another program saved since this
  // one loaded or saved it; the program's own saves ask nothing.
  void speichernFragtVorFremderAenderung() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    for (int mal = 0; mal < 2; ++mal) {  // right after loading, and once more after saving
      Dialoge().Waehle(pfad);
      Taste(Qt::Key_S);
    }
    QCOMPARE(Dialoge().Boxen.size(), 2);

    const QByteArray fremdeBytes = SpeichereFremd(pfad);

    Dialoge().Vergiss();
    H().Modified = true;
    Dialoge().Waehle(pfad);
    Dialoge().Frage(TAntwort::Nein);
    Taste(Qt::Key_S);
    QCOMPARE(Dialoge().Boxen.size(), 2);
    const TGezeigteBox& box = Dialoge().Boxen[1];
    QCOMPARE(box.Art, TGezeigteBox::TArt::Meldung);
    QCOMPARE(box.Titel, QStringLiteral("Datei wurde inzwischen geändert"));
    QCOMPARE(box.Text, QStringLiteral("Die Datei »") + pfad +
                           QStringLiteral("« wurde seit dem Laden oder Speichern von einem anderen "
                                          "Programm geändert.\nWollen Sie sie trotzdem überschreiben ?"));
    QCOMPARE(box.Knoepfe, TKnoepfe::JaNein);
    QCOMPARE(box.Symbol, TSymbol::Keins);
    QCOMPARE(LiesBytes(pfad), fremdeBytes);
    QVERIFY(H().Modified);
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));

    // No stops closing as a cancelled save dialog does.
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().Waehle(pfad);
    Dialoge().Frage(TAntwort::Nein);
    QVERIFY(!H().close());
    QCOMPARE(LiesBytes(pfad), fremdeBytes);

    Dialoge().Vergiss();
    Dialoge().Waehle(pfad);
    Dialoge().Frage(TAntwort::Ja);
    Taste(Qt::Key_S);
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(LiesBytes(pfad), AlsBytes(EncodeSammlung(Beispiel())));
    QVERIFY(!H().Modified);

    Dialoge().Vergiss();
    Dialoge().Waehle(pfad);
    Taste(Qt::Key_S);
    QCOMPARE(Dialoge().Boxen.size(), 1);
  }

  // A load that fails part-way remembers the file it read as well.
  void speichernNachBeschaedigtemLadenFragtNachFremderAenderung() {
    const QString pfad = Pfad(*Ordner, "kaputt.swl");
    QByteArray bytes = AlsBytes(EncodeSammlung(Beispiel()));
    bytes.chop(100);
    SchreibBytes(pfad, bytes);
    Starte({pfad});
    const QByteArray fremdeBytes = SpeichereFremd(pfad);
    Dialoge().Vergiss();
    Dialoge().Waehle(pfad);
    Dialoge().Frage(TAntwort::Nein);
    Taste(Qt::Key_S);
    QCOMPARE(Dialoge().Boxen.size(), 2);
    QCOMPARE(Dialoge().Boxen[1].Titel, QStringLiteral("Datei wurde inzwischen geändert"));
    QCOMPARE(LiesBytes(pfad), fremdeBytes);
  }

  void schliessenOhneAenderungFragtNicht() {
    Starte();
    QVERIFY(H().close());
    QVERIFY(Dialoge().Boxen.isEmpty());
  }

  void schliessenMitAenderungNein() {
    Starte();
    H().Modified = true;
    Dialoge().Frage(TAntwort::Nein);
    H().MainClose->trigger();
    QVERIFY(!H().isVisible());
    QCOMPARE(Dialoge().Boxen.size(), 1);
    PruefeFrage(Dialoge().Boxen[0], Beenden);
  }

  void schliessenMitAenderungJaSpeichert() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    const QString ziel = Pfad(*Ordner, "beim Beenden.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    H().Modified = true;
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().Waehle(ziel);
    QVERIFY(H().close());
    QCOMPARE(LiesBytes(ziel), LiesBytes(pfad));
  }

  void schliessenBleibtOffenWennNichtGespeichertWurde() {
    const QString pfad = Pfad(*Ordner, "Sammlung.swl");
    Schreibe(pfad, Beispiel());
    Starte({pfad});
    H().Modified = true;
    Dialoge().Frage(TAntwort::Ja);
    Dialoge().BrichAb();
    QVERIFY(!H().close());
    QVERIFY(H().isVisible());

    Dialoge().Frage(TAntwort::Ja);
    Dialoge().Waehle(Pfad(*Ordner, "fehlt/x.swl"));
    QVERIFY(!H().close());
    PruefeFehlerbox(Dialoge().Boxen.last(), QStringLiteral("Datei nicht gefunden."));
    QVERIFY(H().isVisible());
    QVERIFY(H().Modified);
  }

  void nebenfensterEntstehenVerborgen() {
    Starte();
    const TFensterSatz& f = Programm->Fenster();
    const QList<QPair<TNebenfenster*, QString>> erwartet = {
        {static_cast<TNebenfenster*>(f.FOptionen), QStringLiteral("Optionen")},
        {static_cast<TNebenfenster*>(f.FFInfo), QStringLiteral("Information über Scheibwart")},
        {static_cast<TNebenfenster*>(f.FVersion), QStringLiteral("Scheibwart Version 1.0")},
        {static_cast<TNebenfenster*>(f.FUebersicht), QStringLiteral("Scheibwart - Tabellansicht")},
        {static_cast<TNebenfenster*>(f.FSuche), QStringLiteral("Scheibwart - Suche")},
        {static_cast<TNebenfenster*>(f.FTastaturkuerzel), QStringLiteral("Übersicht: Tastaturkürzel")},
        {static_cast<TNebenfenster*>(f.FDetailansicht), QStringLiteral("Detailansicht :")}};
    for (const auto& [fenster, titel] : erwartet) {
      QVERIFY(fenster != nullptr);
      QCOMPARE(fenster->windowTitle(), titel);
      QVERIFY(!fenster->isVisible());
    }
  }

  void hauptmenueIstVollstaendig() {
    Starte();
    QStringList gefunden;
    std::function<void(const QMenu*, const QString&)> sammle = [&](const QMenu* menue,
                                                                  const QString& pfad) {
      for (const QAction* eintrag : menue->actions()) {
        if (eintrag->isSeparator()) {
          gefunden << pfad + QStringLiteral("-");
          continue;
        }
        QString zeile = pfad + eintrag->text();
        if (!eintrag->shortcut().isEmpty())
          zeile += QStringLiteral(" [") + eintrag->shortcut().toString() + QLatin1Char(']');
        if (eintrag->isCheckable()) zeile += eintrag->isChecked() ? QStringLiteral(" (x)") : QStringLiteral(" ( )");
        if (!eintrag->objectName().isEmpty()) zeile += QStringLiteral(" = ") + eintrag->objectName();
        gefunden << zeile;
        if (eintrag->menu()) sammle(eintrag->menu(), eintrag->text() + QLatin1Char('/'));
      }
    };
    for (const QAction* oben : H().menuBar()->actions()) {
      gefunden << oben->text();
      sammle(oben->menu(), oben->text() + QLatin1Char('/'));
    }
    const QStringList erwartet = {
        "&Datei",
        "&Datei/&neu [Ctrl+N] = MainNew",
        "&Datei/&öffnen [Ctrl+O] = MainLoad",
        "&Datei/&speichern [Ctrl+S] = MainSave",
        "&Datei/-",
        "&Datei/Datei &exportieren",
        "Datei &exportieren/&Textdatei (*.txt) [Ctrl+T] = txtexport",
        "Datei &exportieren/&HTML-Datei (*.htm, *.html) [Ctrl+H] = HTMLDateihtmhtml1",
        "Datei &exportieren/&Excel-Datei (*.xls)",
        "&Excel-Datei (*.xls)/&Filme = Filmliste1",
        "&Excel-Datei (*.xls)/&Spiele = Spieleliste1",
        "Datei &exportieren/Excel-Datei (*.&dif*)",
        "Excel-Datei (*.&dif*)/&Filme = ExportDifFilm",
        "Excel-Datei (*.&dif*)/&Spiele = ExportDifSpiel",
        "&Datei/-",
        "&Datei/&Programm beenden = MainClose",
        "&Bearbeiten",
        "&Bearbeiten/&Hinzufügen",
        "&Hinzufügen/&Film [Ctrl+Alt+F] = Film1",
        "&Hinzufügen/&Spiel [Ctrl+Alt+S] = Spiel2",
        "&Bearbeiten/&Löschen",
        "&Löschen/&Film = Film2",
        "&Löschen/&Spiel = Spiel1",
        "&Bearbeiten/-",
        "&Bearbeiten/S&uchen [F3] = Suche1",
        "&Ansicht",
        "&Ansicht/T&abellenübersicht",
        "T&abellenübersicht/&Filme = Filme1",
        "T&abellenübersicht/&Spiele = Spiele1",
        "&Ansicht/-",
        "&Ansicht/&Verleih-Liste && Statistik anzeigen [F11] (x) = VerleihListeanzeigen",
        "&Ansicht/&Wunschlisten für Filme && Spiele anzeigen [F12] (x) = "
        "WunschlistefrFilmeSpieleanzeigen1",
        "&Einstellungen",
        "&Einstellungen/&Optionen [F10] = Optionen1",
        "&Info",
        "&Info/&Programminfo [F1] = info1",
        "&Info/&Versionsübersicht = Versionsbersicht1",
        "&Info/&Übersicht der Tastaturküzel = bersichtderTastaturkzel1",
    };
    QCOMPARE(gefunden, erwartet);
  }
};

QTEST_MAIN(TestHauptformular)
#include "test_Hauptformular.moc"
