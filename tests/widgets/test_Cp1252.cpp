// The codec between Qt texts and code page 1252 bytes.

#include "widgets/Cp1252.h"

#include <QTest>

class TestCp1252 : public QObject {
  Q_OBJECT
private slots:
  void jedesByteUeberstehtDieHinUndRueckreise() {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
    const QString text = VonCp1252(alle);
    QCOMPARE(text.size(), 256);
    QCOMPARE(NachCp1252(text), alle);
  }

  void deutscheUndTypografischeZeichen() {
    QCOMPARE(VonCp1252("\xC4\xD6\xDC\xE4\xF6\xFC\xDF"), QStringLiteral("ÄÖÜäöüß"));
    QCOMPARE(VonCp1252("\x80\x84\x93\x96\x85"), QStringLiteral("€„“–…"));
    QCOMPARE(NachCp1252(QStringLiteral("Grüße – 5 €")), std::string("Gr\xFC\xDF" "e \x96 5 \x80"));
  }

  void fremdeZeichenWerdenZuFragezeichen() {
    QCOMPARE(NachCp1252(QStringLiteral("Ω日本")), std::string("???"));
    // A character outside the basic plane is one question mark, not two.
    QCOMPARE(NachCp1252(QString::fromUtf8("a\xF0\x9F\x8E\xAC" "b")), std::string("a?b"));
  }
};

QTEST_MAIN(TestCp1252)
#include "test_Cp1252.moc"
