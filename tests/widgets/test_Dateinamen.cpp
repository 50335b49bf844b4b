// File names between bytes and texts: every byte string comes back unchanged.

#include "widgets/Dateinamen.h"

#include <QTest>

namespace {

QString Text(std::initializer_list<char16_t> einheiten) {
  QString text;
  for (char16_t c : einheiten) text += QChar(c);
  return text;
}

}  // namespace

class TestDateinamen : public QObject {
  Q_OBJECT
private slots:
  void hinUndZurueck_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8") << QByteArray("/a/M\xc3\xbcller \xe2\x82\xac.swl")
                           << QStringLiteral("/a/Müller €.swl");
    QTest::newRow("Latin-1") << QByteArray("M\xfcller") << Text({'M', 0xDCFC, 'l', 'l', 'e', 'r'});
    QTest::newRow("einzelnes Folgebyte") << QByteArray("a\x80") << Text({'a', 0xDC80});
    QTest::newRow("ueberlange Form") << QByteArray("\xc0\xaf") << Text({0xDCC0, 0xDCAF});
    QTest::newRow("ueberlange Form, drei Bytes") << QByteArray("\xe0\x80\xaf") << Text({0xDCE0, 0xDC80, 0xDCAF});
    QTest::newRow("kodiertes Surrogat") << QByteArray("\xed\xb2\x80") << Text({0xDCED, 0xDCB2, 0xDC80});
    QTest::newRow("ueber U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << Text({0xDCF4, 0xDC90, 0xDC80, 0xDC80});
    QTest::newRow("abgebrochen am Ende") << QByteArray("x\xe2\x82") << Text({'x', 0xDCE2, 0xDC82});
    QTest::newRow("abgebrochen vor ASCII") << QByteArray("\xe2\x82/") << Text({0xDCE2, 0xDC82, '/'});
    // U+10080 is the pair D800 DC80: its second half is no kept byte.
    QTest::newRow("Paar mit tiefer Haelfte im Bytebereich")
        << QByteArray("\xf0\x90\x82\x80") << Text({0xD800, 0xDC80});
    QTest::newRow("Paar, dann Byte") << QByteArray("\xf0\x90\x82\x80\x80") << Text({0xD800, 0xDC80, 0xDC80});
    QTest::newRow("FF") << QByteArray("\xff") << Text({0xDCFF});
  }

  void hinUndZurueck() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const std::string roh = bytes.toStdString();
    QCOMPARE(DateinameText(roh), text);
    QCOMPARE(DateinameBytes(text), roh);
  }

  void jedesByteUeberstehtDieReise() {
    for (int b = 0; b < 256; ++b)
      for (const char* umgebung : {"", "\xc3", "\xf0\x90\x82"}) {
        const std::string bytes = std::string(umgebung) + static_cast<char>(b) + umgebung;
        QCOMPARE(DateinameBytes(DateinameText(bytes)), bytes);
      }
  }
};

QTEST_MAIN(TestDateinamen)
#include "test_Dateinamen.moc"
