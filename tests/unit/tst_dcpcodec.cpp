#include <QSet>
#include <QtTest>

#include "dcpcodec.h"

class TestDcpCodec : public QObject
{
    Q_OBJECT
private slots:
    void alphabetIsAPermutationWithoutPad();
    void roundTrip_data();
    void roundTrip();
    void encodingIsSubstituted();
    void decodeRejects_data();
    void decodeRejects();
    void frameLayout();
    void unframe_data();
    void unframe();
    void macText_data();
    void macText();
    void messageTextCountsBytes_data();
    void messageTextCountsBytes();
    void parseMessage_data();
    void parseMessage();
};

void TestDcpCodec::alphabetIsAPermutationWithoutPad()
{
    const QByteArray alphabet(kDcpAlphabet);
    QCOMPARE(alphabet.size(), 64);
    QVERIFY(!alphabet.contains('='));
    QSet<char> distinct;
    for (char c : alphabet)
        distinct.insert(c);
    QCOMPARE(distinct.size(), 64);
    QVERIFY(alphabet != "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
}

void TestDcpCodec::roundTrip_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::newRow("one byte, two pads") << QByteArray("1");
    QTest::newRow("two bytes, one pad") << QByteArray("1;");
    QTest::newRow("three bytes, no pad") << QByteArray("1;M");
    QTest::newRow("bytes above 0x7f") << QByteArray("\xff\xfe\x80\x00\x7f", 5);
    QTest::newRow("every byte value") << [] {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        return all;
    }();
    QTest::newRow("a scan text") << QByteArray("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL");
}

void TestDcpCodec::roundTrip()
{
    QFETCH(QByteArray, plain);
    QByteArray back;
    QVERIFY(dcpDecode(dcpEncode(plain), &back));
    QCOMPARE(back, plain);
}

void TestDcpCodec::encodingIsSubstituted()
{
    const QByteArray plain("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL");
    const QByteArray encoded = dcpEncode(plain);
    QVERIFY(encoded != plain.toBase64());
    // Plain Base64 read as the camera's digits gives another text.
    QByteArray misread;
    QVERIFY(dcpDecode(plain.toBase64(), &misread));
    QVERIFY(misread != plain);
}

void TestDcpCodec::decodeRejects_data()
{
    QTest::addColumn<QByteArray>("encoded");
    const QByteArray good = dcpEncode("7;M=AA:BB:CC:DD:EE:FF;R=1");
    QTest::newRow("dash") << good.left(4) + "-" + good.mid(5);
    QTest::newRow("underscore") << good.left(4) + "_" + good.mid(5);
    QTest::newRow("space") << good.left(4) + " " + good.mid(5);
    QTest::newRow("newline") << good + "\n";
    QTest::newRow("zero byte") << good.left(4) + QByteArray(1, '\0') + good.mid(5);
    QTest::newRow("byte above 0x7f") << good.left(4) + "\xc3" + good.mid(5);
    QTest::newRow("pad inside") << good.left(4) + "=" + good.mid(4);
    QTest::newRow("pad first") << QByteArray("=") + good;
}

void TestDcpCodec::decodeRejects()
{
    QFETCH(QByteArray, encoded);
    QByteArray plain("untouched");
    QVERIFY(!dcpDecode(encoded, &plain));
    QCOMPARE(plain, QByteArray("untouched"));
}

void TestDcpCodec::frameLayout()
{
    const QByteArray camera("\xaa\xbb\xcc\xdd\xee\xff", 6);
    const QByteArray pc("\x02\x00\x00\x00\x00\x01", 6);
    const QByteArray encoded(300, 'A');
    const QByteArray frame = dcpFrame(camera, pc, encoded);
    QCOMPARE(frame.size(), 14 + 300);
    QCOMPARE(quint8(frame.at(0)), quint8(0x01));
    QCOMPARE(quint8(frame.at(1)), quint8(0x2c));
    QCOMPARE(frame.mid(2, 6), camera);
    QCOMPARE(frame.mid(8, 6), pc);
    QCOMPARE(frame.mid(14), encoded);

    QByteArray dest, src, back;
    QVERIFY(dcpUnframe(frame, &dest, &src, &back));
    QCOMPARE(dest, camera);
    QCOMPARE(src, pc);
    QCOMPARE(back, encoded);
}

void TestDcpCodec::unframe_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("payload");
    const QByteArray macs(12, '\x11');
    QTest::newRow("empty") << QByteArray() << false << QByteArray();
    QTest::newRow("13 bytes") << QByteArray(13, '\0') << false << QByteArray();
    QTest::newRow("zero length") << QByteArray("\x00\x00", 2) + macs + "abcd" << false << QByteArray();
    QTest::newRow("length beyond datagram") << QByteArray("\x00\x05", 2) + macs + "abcd" << false << QByteArray();
    QTest::newRow("length 0xffff") << QByteArray("\xff\xff", 2) + macs + "abcd" << false << QByteArray();
    QTest::newRow("exact") << QByteArray("\x00\x04", 2) + macs + "abcd" << true << QByteArray("abcd");
    QTest::newRow("trailing bytes ignored") << QByteArray("\x00\x02", 2) + macs + "abcd" << true << QByteArray("ab");
}

void TestDcpCodec::unframe()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, ok);
    QFETCH(QByteArray, payload);
    QByteArray dest, src, encoded;
    QCOMPARE(dcpUnframe(datagram, &dest, &src, &encoded), ok);
    if (ok)
        QCOMPARE(encoded, payload);
}

void TestDcpCodec::macText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("lower");
    QTest::newRow("colons upper") << "AA:BB:CC:DD:EE:0F" << true << "aa:bb:cc:dd:ee:0f";
    QTest::newRow("dashes") << "aa-bb-cc-dd-ee-0f" << true << "aa:bb:cc:dd:ee:0f";
    QTest::newRow("broadcast") << "FF:FF:FF:FF:FF:FF" << true << "ff:ff:ff:ff:ff:ff";
    QTest::newRow("five pairs") << "AA:BB:CC:DD:EE" << false << "";
    QTest::newRow("eight-byte adapter") << "00:11:22:33:44:55:66:77" << false << "";
    QTest::newRow("not hex") << "AA:BB:CC:DD:EE:GG" << false << "";
    QTest::newRow("dots") << "AA.BB.CC.DD.EE.FF" << false << "";
    QTest::newRow("no separators") << "AABBCCDDEEFF" << false << "";
    QTest::newRow("empty") << "" << false << "";
}

void TestDcpCodec::macText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, lower);
    QByteArray bytes;
    QCOMPARE(macFromText(text, &bytes), ok);
    if (ok) {
        QCOMPARE(bytes.size(), 6);
        QCOMPARE(macToText(bytes), lower);
    }
}

void TestDcpCodec::messageTextCountsBytes_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("params");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("scan") << "ALL" << QByteArray() << QByteArray("27,1;M=FF:FF:FF:FF:FF:FF;D=ALL");
    QTest::newRow("with parameters") << "VKC-3100" << QByteArray(";0=1;6=0")
                                     << QByteArray("40,1;M=FF:FF:FF:FF:FF:FF;D=VKC-3100;0=1;6=0");
    // "é" is two bytes: the prefix counts bytes, not characters.
    QTest::newRow("two-byte character") << QString::fromUtf8("VKC-\xc3\xa9") << QByteArray()
                                        << QByteArray("30,1;M=FF:FF:FF:FF:FF:FF;D=VKC-\xc3\xa9");
}

void TestDcpCodec::messageTextCountsBytes()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, params);
    QFETCH(QByteArray, expected);
    QCOMPARE(dcpMessageText("1", QStringLiteral("FF:FF:FF:FF:FF:FF"), model, params), expected);
}

void TestDcpCodec::parseMessage_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("cls");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("scan reply") << QByteArray("27,1;M=AA:BB:CC:DD:EE:FF;D=VKC") << true << QByteArray("1")
                                << QByteArray("1;M=AA:BB:CC:DD:EE:FF;D=VKC");
    QTest::newRow("class S") << QByteArray("21,S;M=AA:BB:CC:DD:EE:FF") << true << QByteArray("S")
                             << QByteArray("S;M=AA:BB:CC:DD:EE:FF");
    QTest::newRow("class 10") << QByteArray("8,10;T=1:2") << true << QByteArray("10") << QByteArray("10;T=1:2");
    QTest::newRow("five digits") << QByteArray("00004,7;M=xyz") << true << QByteArray("7") << QByteArray("7;M=");
    QTest::newRow("trailing bytes cut") << QByteArray("6,8;M=AAjunk") << true << QByteArray("8")
                                        << QByteArray("8;M=AA");
    QTest::newRow("no comma in six") << QByteArray("123456;1;M=AA") << false << QByteArray() << QByteArray();
    QTest::newRow("six digits") << QByteArray("123456,1;M=AA") << false << QByteArray() << QByteArray();
    QTest::newRow("not a number") << QByteArray("1a,1;M=AA") << false << QByteArray() << QByteArray();
    QTest::newRow("no digits") << QByteArray(",1;M=AA") << false << QByteArray() << QByteArray();
    QTest::newRow("no semicolon in ten") << QByteArray("9,123456789") << false << QByteArray() << QByteArray();
    QTest::newRow("empty class") << QByteArray("5,;M=A") << false << QByteArray() << QByteArray();
    QTest::newRow("truncated") << QByteArray("30,1;M=AA:BB") << false << QByteArray() << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << QByteArray() << QByteArray();
}

void TestDcpCodec::parseMessage()
{
    QFETCH(QByteArray, plain);
    QFETCH(bool, ok);
    QByteArray cls, content;
    QString why;
    QCOMPARE(dcpParseMessage(plain, &cls, &content, &why), ok);
    if (ok) {
        QTEST(cls, "cls");
        QTEST(content, "content");
    } else {
        QVERIFY(!why.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestDcpCodec)
#include "tst_dcpcodec.moc"
