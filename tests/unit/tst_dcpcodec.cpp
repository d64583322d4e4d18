#include <QtTest>

#include "protocol/dcpcodec.h"

class TestDcpCodec : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip();
    void decodeRejectsForeignText();
    void frameLayout();
    void macText();
};

void TestDcpCodec::roundTrip()
{
    // Every byte value, and the lengths that need two pads and one.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    for (const QByteArray& plain : {QByteArray("1"), QByteArray("1;"), all}) {
        const QByteArray encoded = dcpEncode(plain);
        QVERIFY2(encoded != plain.toBase64(), "the substitution was not applied");
        QByteArray back;
        QVERIFY(dcpDecode(encoded, &back));
        QCOMPARE(back, plain);
    }
}

void TestDcpCodec::decodeRejectsForeignText()
{
    const QByteArray good = dcpEncode("7;M=AA:BB:CC:DD:EE:FF;R=1");
    QByteArray plain;
    for (const QByteArray& bad : {good.left(4) + "-" + good.mid(5), good.left(4) + "\xc3" + good.mid(5),
                                  good.left(4) + "=" + good.mid(4)})
        QVERIFY2(!dcpDecode(bad, &plain), bad.constData());
}

void TestDcpCodec::frameLayout()
{
    const QByteArray camera("\xaa\xbb\xcc\xdd\xee\xff", 6), pc("\x02\x00\x00\x00\x00\x01", 6), encoded(300, 'A');
    // Length 300 big-endian, camera address, PC address, text.
    QCOMPARE(dcpFrame(camera, pc, encoded), "\x01\x2c" + camera + pc + encoded);
    QByteArray dest, src, back;
    QVERIFY(dcpUnframe(dcpFrame(camera, pc, encoded) + "trailing", &dest, &src, &back));
    QCOMPARE(dest + src + back, camera + pc + encoded);
    // The length prefix of the text counts bytes: "é" is two.
    QCOMPARE(dcpMessageText("1", "FF:FF:FF:FF:FF:FF", QString::fromUtf8("VKC-\xc3\xa9"), ";0=1"),
             QByteArray("34,1;M=FF:FF:FF:FF:FF:FF;D=VKC-\xc3\xa9;0=1"));
}

void TestDcpCodec::macText()
{
    QByteArray mac;
    QVERIFY(macFromText("aa-bb-cc-dd-ee-0F", &mac));
    QCOMPARE(macToText(mac), QString("aa:bb:cc:dd:ee:0f"));
    QVERIFY(!macFromText("00:11:22:33:44:55:66:77", &mac)); // some virtual adapters
    QVERIFY(!macFromText("AA:BB:CC:DD:EE:GG", &mac));
}

QTEST_GUILESS_MAIN(TestDcpCodec)
#include "tst_dcpcodec.moc"
