// Damaged and unreadable collection files never crash the program, and after
// every load, whole or broken, the list boxes agree with the store.

#include "main/Fenstertitel.h"
#include "main/Programm.h"
#include "model/USammlungsdatei.h"
#include "model/UZeilentext.h"
#include "widgets/Cp1252.h"
#include "widgets/ListBox.h"
#include "support/ScriptedDialoge.h"
#include "support/Testumgebung.h"
#include "support/Testordner.h"

#include <QAction>
#include <QGuiApplication>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <random>
#include <unistd.h>

class TestLadenRobust : public QObject {
  Q_OBJECT

  std::unique_ptr<TTestumgebung> Umwelt;
  TScriptedDialoge& Dialoge() { return Umwelt->Dialoge; }
  std::unique_ptr<TProgramm> Programm;
  QTemporaryDir Ordner;

  TFHaupt& H() { return Programm->Haupt(); }

  void Oeffne(const QString& pfad) {
    Dialoge().Vergiss();
    Dialoge().Waehle(pfad);
    H().MainLoad->trigger();
  }

  void PruefeStimmig(const QByteArray& bytes) {
    const std::size_t ganze = static_cast<std::size_t>(bytes.size()) / Sammlungsdatei::RecordSize;
    const TSammlung erwartet =
        DecodeSammlung(reinterpret_cast<const std::uint8_t*>(bytes.constData()), ganze);

    QCOMPARE(H().DatBas->FilmCount(), static_cast<int>(erwartet.Filme.size()));
    QCOMPARE(H().DatBas->SpielCount(), static_cast<int>(erwartet.Spiele.size()));
    QCOMPARE(H().LBFilme->Count(), H().DatBas->FilmCount());
    QCOMPARE(H().LBSpiele->Count(), H().DatBas->SpielCount());
    for (int i = 1; i <= H().DatBas->FilmCount(); ++i) {
      TFilmRec film;
      H().DatBas->GetFilm(i, film);
      QCOMPARE(film, erwartet.Filme[static_cast<std::size_t>(i - 1)]);
      QCOMPARE(H().LBFilme->Item(i - 1), VonCp1252(FilmRowText(film)));
    }
    for (int i = 1; i <= H().DatBas->SpielCount(); ++i) {
      TSpielRec spiel;
      H().DatBas->GetSpiel(i, spiel);
      QCOMPARE(H().LBSpiele->Item(i - 1), VonCp1252(SpielRowText(spiel)));
    }
    const std::pair<TListBox*, const std::vector<std::string>*> listen[] = {
        {H().LBVerleih, &erwartet.Verleih},
        {H().LBFilmeW, &erwartet.FilmWuensche},
        {H().LBSpieleW, &erwartet.SpielWuensche}};
    for (const auto& [liste, eintraege] : listen) {
      QCOMPARE(liste->Count(), static_cast<int>(eintraege->size()));
      for (int i = 0; i < liste->Count(); ++i)
        QCOMPARE(NachCp1252(liste->Item(i)), (*eintraege)[static_cast<std::size_t>(i)]);
    }
    // A list with lines has its first line selected and its buttons enabled.
    for (TListBox* liste : {H().LBFilme, H().LBSpiele, H().LBVerleih, H().LBFilmeW, H().LBSpieleW})
      QCOMPARE(liste->ItemIndex(), liste->Count() > 0 ? 0 : -1);
    QCOMPARE(H().SBFilmdel->isEnabled(), H().LBFilme->Count() > 0);
    QCOMPARE(H().SBSpieldel->isEnabled(), H().LBSpiele->Count() > 0);
    QCOMPARE(H().SBVerleihdel->isEnabled(), H().LBVerleih->Count() > 0);
    QCOMPARE(H().SBFilmWdel->isEnabled(), H().LBFilmeW->Count() > 0);
    QCOMPARE(H().SBSpielWdel->isEnabled(), H().LBSpieleW->Count() > 0);
    QVERIFY(!H().Modified);
  }

  // The one box a failed load shows.
  void PruefeFehlerbox(const QString& text) {
    QCOMPARE(Dialoge().Boxen.size(), 2);  // the open dialog, then the error
    QCOMPARE(Dialoge().Boxen[1].Titel, QStringLiteral("Scheibwart v1.0"));
    QCOMPARE(Dialoge().Boxen[1].Text, text);
    QCOMPARE(Dialoge().Boxen[1].Symbol, TSymbol::Stop);
  }

private slots:
  void init() {
    Umwelt = std::make_unique<TTestumgebung>();
    Programm = std::make_unique<TProgramm>(Umwelt->Umgebung());
    Programm->Start();
  }

  // A failed load shows its box after the pointer stopped waiting.
  void cleanup() {
    const int unerwartet = Dialoge().Unerwartet;
    const int unterWartezeiger = Dialoge().UnterWartezeiger;
    const bool wartet = QGuiApplication::overrideCursor() != nullptr;
    Programm.reset();
    QCOMPARE(unerwartet, 0);
    QCOMPARE(unterWartezeiger, 0);
    QVERIFY(!wartet);
  }

  // Random files, biased towards markers and plausible lengths so that every
  // column sees gaps, "x" entries and broken last records.
  void zufaelligeDateien() {
    std::mt19937 zufall(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int runde = 0; runde < 150; ++runde) {
      const int records = std::uniform_int_distribution<int>(0, 5)(zufall);
      QByteArray bytes;
      for (int r = 0; r < records; ++r) {
        for (std::size_t s = 0; s < Sammlungsdatei::SlotsProRecord; ++s) {
          QByteArray slot(256, '\0');
          const int art = std::uniform_int_distribution<int>(0, 9)(zufall);
          if (art < 4) {
            slot[0] = 1;
            slot[1] = 'x';
          } else if (art < 9) {
            const int laenge = std::uniform_int_distribution<int>(0, 12)(zufall);
            slot[0] = static_cast<char>(laenge);
            for (int i = 1; i <= laenge; ++i) slot[i] = static_cast<char>(byte(zufall));
          } else {
            for (char& b : slot) b = static_cast<char>(byte(zufall));
          }
          bytes += slot;
        }
      }
      if (runde % 3 == 0 && !bytes.isEmpty())
        bytes.truncate(std::uniform_int_distribution<int>(0, static_cast<int>(bytes.size()))(zufall));

      const QString pfad = Ordner.filePath(QStringLiteral("zufall%1.swl").arg(runde));
      SchreibBytes(pfad, bytes);
      Oeffne(pfad);
      const bool ganz = bytes.size() % static_cast<qsizetype>(Sammlungsdatei::RecordSize) == 0;
      QCOMPARE(Dialoge().Boxen.size(), ganz ? 1 : 2);
      if (!ganz) PruefeFehlerbox(QStringLiteral("Versuch hinter dem Dateiende zu lesen."));
      QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
      PruefeStimmig(bytes);
    }
  }

  void leereDateiIstEineLeereSammlung() {
    const QString pfad = Ordner.filePath(QStringLiteral("leer.swl"));
    SchreibBytes(pfad, {});
    Oeffne(pfad);
    QCOMPARE(Dialoge().Boxen.size(), 1);
    QCOMPARE(H().windowTitle(), TitleWithFile(pfad));
    PruefeStimmig({});
  }

  void schreibgeschuetzteDateiLaedt() {
    const QString pfad = Ordner.filePath(QStringLiteral("nur lesen.swl"));
    TSammlung s;
    s.Filme = {{"Nosferatu", "1", "AVI", "Horror", ""}};
    const QByteArray bytes = AlsBytes(EncodeSammlung(s));
    SchreibBytes(pfad, bytes);
    QVERIFY(QFile::setPermissions(pfad, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    Oeffne(pfad);
    QCOMPARE(Dialoge().Boxen.size(), 1);
    PruefeStimmig(bytes);
  }

  void unlesbareDateiMeldetZugriffVerweigert() {
    if (geteuid() == 0) QSKIP("root may read every file");
    const QString pfad = Ordner.filePath(QStringLiteral("gesperrt.swl"));
    SchreibBytes(pfad, AlsBytes(EncodeSammlung(TSammlung{{{"A", "", "", "", ""}}, {}, {}, {}, {}})));
    QVERIFY(QFile::setPermissions(pfad, QFileDevice::WriteOwner));
    Oeffne(pfad);
    PruefeFehlerbox(QStringLiteral("Dateizugriff verweigert."));
    QCOMPARE(H().windowTitle(), TitleNoFile());  // opening failed: New's title stays
    PruefeStimmig({});
  }

  void ungueltigeNamen() {
    // Loading a name that cannot be opened reports it and changes nothing.
    const QString zuLang = Ordner.filePath(QString(300, QLatin1Char('n')) + QStringLiteral(".swl"));
    QVERIFY(!Befehlsfehler([&] { H().LoadCollection(zuLang); }).isEmpty());
    QCOMPARE(H().windowTitle(), TitleNoFile());

    const QString datei = Ordner.filePath(QStringLiteral("datei"));
    SchreibBytes(datei, "kein Ordner");
    QCOMPARE(Befehlsfehler([&] { H().LoadCollection(datei + QStringLiteral("/x.swl")); }),
             QStringLiteral("Ungültiger Dateiname"));
    QCOMPARE(Befehlsfehler([&] { H().LoadCollection(Ordner.path()); }),
             QStringLiteral("Dateizugriff verweigert"));
    QCOMPARE(H().windowTitle(), TitleNoFile());
    PruefeStimmig({});

    // Open simply finds no file under such names.
    Oeffne(zuLang);
    QCOMPARE(Dialoge().Boxen.size(), 1);
    PruefeStimmig({});
  }

private:
  template <class F>
  static QString Befehlsfehler(F befehl) {
    try {
      befehl();
    } catch (const std::exception& fehler) {
      return QString::fromUtf8(fehler.what());
    }
    return {};
  }
};

QTEST_MAIN(TestLadenRobust)
#include "test_LadenRobust.moc"
