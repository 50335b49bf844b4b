// The status bar's hints follow the pointer over the main window's buttons,
// and screen readers find a name for every control.

#include "support/Programmtest.h"
#include "windows/Nebenfenster.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolButton>

class TestHinweise : public TProgrammTest {
  Q_OBJECT

  QString Hinweis() { return H().statusBar()->currentMessage(); }

  void Ueber(QWidget* widget, QPoint stelle = {}) {
    if (stelle.isNull()) stelle = widget->rect().center();
    QTest::mouseMove(widget, stelle);
  }

  static bool IstSteuerelement(QAccessible::Role rolle) {
    switch (rolle) {
      case QAccessible::Button:
      case QAccessible::CheckBox:
      case QAccessible::RadioButton:
      case QAccessible::ComboBox:
      case QAccessible::EditableText:
      case QAccessible::List:
      case QAccessible::Table:
      case QAccessible::ScrollBar:
      case QAccessible::StaticText:
        return true;
      default:
        return false;
    }
  }

  void PruefeNamen(QAccessibleInterface* knoten, const QString& pfad, const QStringList& gruppen,
                   QHash<QString, QString>& gesehen, QStringList& fehler) {
    const QString name = knoten->text(QAccessible::Name);
    const QObject* objekt = knoten->object();
    const QString hier = pfad + QLatin1Char('/') +
                         (objekt != nullptr && !objekt->objectName().isEmpty() ? objekt->objectName()
                                                                                : QString::number(knoten->role(), 16));
    if (IstSteuerelement(knoten->role())) {
      // A number alone does not say what it counts.
      static const QRegularExpression nurZahl(QStringLiteral("^[#0-9]+$"));
      if (name.trimmed().isEmpty() || gruppen.contains(name) || nurZahl.match(name).hasMatch())
        fehler << hier + QStringLiteral(": \"") + name + QLatin1Char('"');
      if (knoten->role() == QAccessible::Button) {
        const QString wer = name + QLatin1Char('|') + knoten->text(QAccessible::Description);
        if (gesehen.contains(wer)) fehler << hier + QStringLiteral(" heisst wie ") + gesehen.value(wer);
        gesehen.insert(wer, hier);
      }
      if (const auto* feld = qobject_cast<const QWidget*>(objekt); feld != nullptr && feld->parentWidget() != nullptr)
        for (const QLabel* label : feld->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
          if (label->buddy() == feld && name != label->text())
            fehler << hier + QStringLiteral(": \"") + name + QStringLiteral("\" statt \"") + label->text() +
                          QLatin1Char('"');
    }
    QStringList darunter = gruppen;
    if (const auto* gruppe = qobject_cast<const QGroupBox*>(objekt)) darunter << gruppe->title();
    for (int i = 0; i < knoten->childCount(); ++i)
      if (QAccessibleInterface* kind = knoten->child(i)) PruefeNamen(kind, hier, darunter, gesehen, fehler);
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

  // Screen readers speak every control of every window by a name of its own,
  // as they find it in the accessible tree: a field or a combo box by its
  // label, a picture button by its hint or purpose, a list and its scroll bars
  // by its group, never by the caption of the group box around it; controls
  // with the same caption say whose they are.
  void jedesSteuerelementHatEinenNamen() {
    QStringList fehler;
    QList<QWidget*> fenster{&H()};
    for (TNebenfenster* nebenfenster : H().findChildren<TNebenfenster*>()) fenster << nebenfenster;
    QCOMPARE(fenster.size(), 8);
    for (QWidget* f : fenster) {
      QHash<QString, QString> gesehen;  // name and description of a control, and where
      PruefeNamen(QAccessible::queryAccessibleInterface(f), f->objectName(), {}, gesehen, fehler);
    }
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
  }

  void keineTooltips() {
    for (const QWidget* widget : H().findChildren<QWidget*>())
      if (widget->window() == &H())  // the information window shows its hints as tips
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
  }
};

QTEST_MAIN(TestHinweise)
#include "test_Hinweise.moc"
