// The status bar's hints follow the pointer over the main window's buttons,
// and screen readers find a name for every control.

#include "support/Programmtest.h"
#include "windows/Nebenfenster.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolButton>

class TestHinweise : public TProgrammTest {
  Q_OBJECT

  QString Hinweis() { return H().statusBar()->currentMessage(); }

  void Ueber(QWidget* widget, QPoint stelle = {}) {
    if (stelle.isNull()) stelle = widget->rect().center();
    QTest::mouseMove(widget, stelle);
  }

private slots:
  void init() {
    Neu();
    Starte();
  }
  void cleanup() { Beende(); }

  void jederKnopfHatSeinenHinweis() {
    // Enable the panel buttons first: disabled ones show nothing.
    H().EFFilm->setText(QStringLiteral("Heimat"));
    H().SBFilmadd->click();
    H().ESSpiel->setText(QStringLiteral("Myst"));
    H().SBSpieladd->click();
    for (const char* text : {"a", "b", "c"}) Dialoge().Tippe(QString::fromLatin1(text));
    for (QToolButton* add : {H().SBFilmWadd, H().SBSpielWadd, H().SBVerleihadd}) add->click();

    const QString neu = QStringLiteral("fügt einen neuen Eintrag hinzu");
    const QString weg = QStringLiteral("löscht den markierten Eintrag");
    const QList<QPair<QToolButton*, QString>> erwartet = {
        {H().SBFileNew, QStringLiteral("legt eine neue Datei an")},
        {H().SBFileLoad, QStringLiteral("lädt eine Datei")},
        {H().SBFileSave, QStringLiteral("speichert die aktuellen Daten")},
        {H().SBOptionen, QStringLiteral("öffnet die Optionen")},
        {H().SBInfo, QStringLiteral("zeigt Informationen über das Programm an")},
        {H().ToolButtonFilmeSpieleWausblenden, QStringLiteral("zeigt bzw. verbirgt Wunschlisten für Filme & Spiele")},
        {H().ToolButtonVerleihListe, QStringLiteral("zeigt bzw. verbirgt Verleih-Liste + Statistik")},
        {H().SBFilmadd, QStringLiteral("Fügt einen Film hinzu")},
        {H().SBFilmchange, QStringLiteral("übernimmt aktuelle Änderungen an einem bereits eingetragenen Film")},
        {H().SBFilmdel, QStringLiteral("löscht den markierten Film")},
        {H().SBFilmup, QStringLiteral("verschiebt den markierten Film in der Liste nach oben")},
        {H().SBFilmdown, QStringLiteral("verschiebt den markierten Film in der Liste nach unten")},
        {H().SBFilmVerleih, QStringLiteral("markierten Film zur Ausleih-Liste hinzufügen")},
        {H().SBSpieladd, QStringLiteral("Fügt ein Spiel hinzu")},
        {H().SBSpielchange, QStringLiteral("übernimmt aktuelle Änderungen an einem bereits eingetragenen Spiel")},
        {H().SBSpieldel, QStringLiteral("löscht das markierte Spiel")},
        {H().SBSpielup, QStringLiteral("verschiebt das markierte Spiel in der Liste nach oben")},
        {H().SBSpieldown, QStringLiteral("verschiebt das markierte Spiel in der Liste nach unten")},
        {H().SBSpielVerleih, QStringLiteral("markiertes Spiel zur Ausleih-Liste hinzufügen")},
        {H().SBFilmWadd, neu},
        {H().SBSpielWadd, neu},
        {H().SBVerleihadd, neu},
        {H().SBFilmWdel, weg},
        {H().SBSpielWdel, weg},
        {H().SBVerleihdel, weg},
        {H().SpeedButton1, QStringLiteral("Kopiert die Statistik in die Zwischenablage")},
    };
    for (const auto& [knopf, text] : erwartet) {
      Ueber(H().centralWidget(), {900, 5});
      QCOMPARE(Hinweis(), QString());
      Ueber(knopf);
      QCOMPARE(Hinweis(), text);
    }
    Ueber(H().SpeedButtonkino);
    QVERIFY(Hinweis().startsWith(QStringLiteral("Sie brauchen Infos über einen Film? Folgen Sie diesem Link auf: https://")));
  }

  void andereSteuerelementeLassenDenHinweisStehen() {
    Ueber(H().SBFilmadd);
    Ueber(H().LBFilme);
    Ueber(H().EFFilm);
    QCOMPARE(Hinweis(), QStringLiteral("Fügt einen Film hinzu"));
    Ueber(H().GBFilme, {270, 300});
    QCOMPARE(Hinweis(), QString());

    Ueber(H().SpeedButton1);
    Ueber(H().LSV);
    QCOMPARE(Hinweis(), QStringLiteral("Kopiert die Statistik in die Zwischenablage"));
    Ueber(H().GBStatistik, {200, 20});
    QCOMPARE(Hinweis(), QString());
  }

  void gesperrterKnopfLeertDieStatuszeile() {
    Ueber(H().SBFilmadd);
    QVERIFY(!H().SBFilmchange->isEnabled());
    Ueber(H().SBFilmchange);
    QCOMPARE(Hinweis(), QString());
    H().EFFilm->setText(QStringLiteral("Heimat"));
    H().SBFilmadd->click();
    Ueber(H().SBFilmchange, {10, 10});
    QCOMPARE(Hinweis(), QStringLiteral("übernimmt aktuelle Änderungen an einem bereits eingetragenen Film"));
  }

  // Screen readers speak every control of every window by a name of its own:
  // a field by its label, a picture button by its hint or purpose, a list by
  // its group; never by the caption of the group box around it.
  void jedesSteuerelementHatEinenNamen() {
    QStringList ohneEigenenNamen;
    for (QWidget* widget : H().findChildren<QWidget*>()) {
      const bool fenster = widget->window() == &H() || qobject_cast<TNebenfenster*>(widget->window());
      const bool steuerelement = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                                 qobject_cast<QComboBox*>(widget) ||
                                 (qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QHeaderView*>(widget));
      if (!fenster || !steuerelement || !widget->isVisibleTo(widget->window())) continue;
      const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
      bool eigen = !name.trimmed().isEmpty();
      for (const QWidget* vorfahr = widget->parentWidget(); vorfahr != nullptr; vorfahr = vorfahr->parentWidget())
        if (const auto* gruppe = qobject_cast<const QGroupBox*>(vorfahr)) eigen = eigen && name != gruppe->title();
      if (!eigen)
        ohneEigenenNamen << widget->window()->objectName() + QLatin1Char(' ') + widget->metaObject()->className() +
                                QLatin1Char(' ') + widget->objectName() + QStringLiteral(": \"") + name + QLatin1Char('"');
    }
    QVERIFY2(ohneEigenenNamen.isEmpty(), qPrintable(ohneEigenenNamen.join(QLatin1Char('\n'))));
  }

  void keineTooltips() {
    for (const QWidget* widget : H().findChildren<QWidget*>())
      if (widget->window() == &H())  // the information window shows its hints as tips
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
  }
};

QTEST_MAIN(TestHinweise)
#include "test_Hinweise.moc"
