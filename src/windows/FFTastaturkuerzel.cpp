#include "windows/FFTastaturkuerzel.h"

#include "widgets/Zugangsnamen.h"
#include "windows/Textflaeche.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Line n of the commands stands beside line n of the keys.
const QStringList Befehle{
    QStringLiteral("neue Datei................................................."),
    QStringLiteral("Datei öffnen..............................................."),
    QStringLiteral("Datei speichern.........................................."),
    QString(),
    QStringLiteral("Export in Textdatei....................................."),
    QStringLiteral("Export in HTML-Datei................................"),
    QString(),
    QStringLiteral("Programm beenden...................................."),
    QString(),
    QStringLiteral("Film hinzufügen..........................................."),
    QStringLiteral("Spiel hinzufügen........................................."),
    QString(),
    QStringLiteral("Suche........................................................."),
    QString(),
    QStringLiteral("Filme alphabetisch sortieren......................."),
    QStringLiteral("Filme nach CD-Format sortieren.................."),
    QString(),
    QStringLiteral("Spiele alphabetisch sortieren......................"),
    QString(),
    QStringLiteral("Verleihliste ein- / ausblenden......................"),
    QStringLiteral("Wunschlisten ein- / ausblenden.................."),
    QString(),
    QStringLiteral("Optionen....................................................."),
    QString(),
    QStringLiteral("Programminfo.............................................."),
};

const QStringList Tasten{
    QStringLiteral("[ STRG ] + [ N ]"),
    QStringLiteral("[ STRG ] + [ O ]"),
    QStringLiteral("[ STRG ] + [ S ]"),
    QString(),
    QStringLiteral("[ STRG ] + [ T ]"),
    QStringLiteral("[ STRG ] + [ H ]"),
    QString(),
    QStringLiteral("[ ALT ] + [ F 4 ]"),
    QString(),
    QStringLiteral("[ STRG ] + [ ALT ] + [ F ]"),
    QStringLiteral("[ STRG ] + [ ALT ] + [ S ]"),
    QString(),
    QStringLiteral("[ F 3 ]"),
    QString(),
    QStringLiteral("[ F 5 ]  ( Filmliste markiert )"),
    QStringLiteral("[ F 6 ]  ( Filmliste markiert )"),
    QString(),
    QStringLiteral("[ F 5 ]  ( Spieleliste markiert )"),
    QString(),
    QStringLiteral("[ F 11 ]"),
    QStringLiteral("[ F 12 ]"),
    QString(),
    QStringLiteral("[ F 10 ]"),
    QString(),
    QStringLiteral("[ F 1 ]"),
};

QPlainTextEdit* Spalte(QWidget* eltern, const char* name, int links, int oben, int breite, int hoehe,
                       const QStringList& zeilen) {
  QPlainTextEdit* text = Textflaeche(eltern, name, links, oben, breite, hoehe, zeilen);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFocusPolicy(Qt::ClickFocus);  // the Tab key passes it by
  return text;
}

}  // namespace

TFTastaturkuerzel::TFTastaturkuerzel(QWidget* hauptfenster)
    : TNebenfenster(hauptfenster, QStringLiteral("Übersicht: Tastaturkürzel"), 337, 421, true,
                    TPlatz::Bildschirmmitte) {
  setObjectName(QStringLiteral("FTastaturkuerzel"));
  Memo1 = Spalte(this, "Memo1", 16, 24, 177, 345, Befehle);
  Memo2 = Spalte(this, "Memo2", 184, 23, 145, 346, Tasten);
  Zugangsnamen::BenenneFlaeche(Memo1, QStringLiteral("Befehle"));
  Zugangsnamen::BenenneFlaeche(Memo2, QStringLiteral("Tastaturkürzel"));
  SpeedButton1 = SchliessenKnopf("SpeedButton1", 16, 384, 313, 24);

  connect(SpeedButton1, &QPushButton::clicked, this, &TFTastaturkuerzel::SpeedButton1Click);
}

void TFTastaturkuerzel::SpeedButton1Click() { close(); }
