#include "protocol/dcpcodec.h"

#include <QtEndian>

#include <array>

// Stand-in table (the standard digits reversed); see the header.
const char kDcpAlphabet[65] = "/+9876543210zyxwvutsrqponmlkjihgfedcbaZYXWVUTSRQPONMLKJIHGFEDCBA";

namespace {

const char kStandardAlphabet[65] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

struct SubstitutionTables
{
    char toDcp[256];
    char fromDcp[256];
    bool isDcpDigit[256];

    SubstitutionTables()
    {
        for (int i = 0; i < 256; ++i) {
            toDcp[i] = char(i);
            fromDcp[i] = char(i);
            isDcpDigit[i] = false;
        }
        for (int i = 0; i < 64; ++i) {
            const auto standard = quint8(kStandardAlphabet[i]);
            const auto dcp = quint8(kDcpAlphabet[i]);
            toDcp[standard] = char(dcp);
            fromDcp[dcp] = char(standard);
            isDcpDigit[dcp] = true;
        }
    }
};

const SubstitutionTables& tables()
{
    static const SubstitutionTables t;
    return t;
}

int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

using MacBytes = std::array<quint8, kDcpMacSize>;

// What macFromText reads, into bytes on the stack: comparisons make no strings.
bool readMac(const QString& text, MacBytes* mac)
{
    if (text.size() != 3 * kDcpMacSize - 1)
        return false;
    for (int i = 0; i < kDcpMacSize; ++i) {
        const int pos = 3 * i;
        if (i > 0 && text.at(pos - 1) != QLatin1Char(':') && text.at(pos - 1) != QLatin1Char('-'))
            return false;
        const int high = hexValue(text.at(pos));
        const int low = hexValue(text.at(pos + 1));
        if (high < 0 || low < 0)
            return false;
        (*mac)[i] = quint8(high * 16 + low);
    }
    return true;
}

}  // namespace

QByteArray dcpEncode(const QByteArray& plain)
{
    QByteArray out = plain.toBase64();
    const SubstitutionTables& t = tables();
    for (char& c : out)
        c = t.toDcp[quint8(c)];
    return out;
}

bool dcpDecode(const QByteArray& encoded, QByteArray* plain)
{
    const SubstitutionTables& t = tables();
    QByteArray standard = encoded;
    for (char& c : standard) {
        if (c == '=')
            continue;
        if (!t.isDcpDigit[quint8(c)])
            return false;
        c = t.fromDcp[quint8(c)];
    }
    const QByteArray::FromBase64Result result =
        QByteArray::fromBase64Encoding(standard, QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return false;
    *plain = result.decoded;
    return true;
}

QByteArray dcpFrame(const QByteArray& destMac6, const QByteArray& srcMac6, const QByteArray& encoded)
{
    QByteArray frame(2, '\0');
    qToBigEndian<quint16>(quint16(encoded.size()), frame.data());
    frame += destMac6.left(kDcpMacSize).leftJustified(kDcpMacSize, '\0');
    frame += srcMac6.left(kDcpMacSize).leftJustified(kDcpMacSize, '\0');
    frame += encoded;
    return frame;
}

bool dcpUnframe(const QByteArray& datagram, QByteArray* destMac6, QByteArray* srcMac6, QByteArray* encoded)
{
    if (datagram.size() < kDcpHeaderSize)
        return false;
    const int length = qFromBigEndian<quint16>(datagram.constData());
    if (length == 0 || length > datagram.size() - kDcpHeaderSize)
        return false;
    *destMac6 = datagram.mid(2, kDcpMacSize);
    *srcMac6 = datagram.mid(2 + kDcpMacSize, kDcpMacSize);
    *encoded = datagram.mid(kDcpHeaderSize, length);
    return true;
}

bool macFromText(const QString& text, QByteArray* mac6)
{
    MacBytes bytes;
    if (!readMac(text, &bytes))
        return false;
    *mac6 = QByteArray(reinterpret_cast<const char*>(bytes.data()), kDcpMacSize);
    return true;
}

QString macToText(const QByteArray& mac6)
{
    return QString::fromLatin1(mac6.toHex(':'));
}

QString canonicalMac(const QString& text)
{
    MacBytes bytes;
    if (readMac(text, &bytes)) {
        static const char kDigits[] = "0123456789ABCDEF";
        QString canonical(3 * kDcpMacSize - 1, QLatin1Char(':'));
        QChar* out = canonical.data();
        for (int i = 0; i < kDcpMacSize; ++i) {
            out[3 * i] = QLatin1Char(kDigits[bytes[i] >> 4]);
            out[3 * i + 1] = QLatin1Char(kDigits[bytes[i] & 15]);
        }
        return canonical;
    }
    // Upper-casing can make an address of what is none ("\uFB00" becomes "FF"): such a text stays as it is.
    const QString upper = text.toUpper();
    return isHardwareAddress(upper) ? text : upper;
}

bool sameMac(const QString& a, const QString& b)
{
    MacBytes bytesA;
    MacBytes bytesB;
    const bool addressA = readMac(a, &bytesA);
    const bool addressB = readMac(b, &bytesB);
    if (addressA || addressB)
        return addressA && addressB && bytesA == bytesB;
    return canonicalMac(a) == canonicalMac(b);
}

bool isHardwareAddress(const QString& mac)
{
    MacBytes bytes;
    return readMac(mac, &bytes);
}

QByteArray dcpMessageText(const QByteArray& cls, const QString& camMac, const QString& model, const QByteArray& params)
{
    const QByteArray text = cls + ";M=" + camMac.toUtf8() + ";D=" + model.toUtf8() + params;
    return QByteArray::number(text.size()) + ',' + text;
}

bool dcpParseMessage(const QByteArray& plain, QByteArray* cls, QByteArray* content, QString* why)
{
    auto fail = [why](const char* reason) {
        if (why)
            *why = QString::fromLatin1(reason);
        return false;
    };
    const int comma = plain.left(6).lastIndexOf(',');
    if (comma < 1)
        return fail("no length prefix");
    const QByteArray prefix = plain.left(comma);
    for (char c : prefix)
        if (c < '0' || c > '9')
            return fail("length prefix is not a number");
    const int length = prefix.toInt();
    // The class ends at the first ";": the items after it may come in any order, empty ones too.
    const int semicolon = plain.indexOf(';', comma + 1);
    if (semicolon <= comma + 1 || semicolon >= 10)
        return fail("no class");
    if (plain.size() - (comma + 1) < length)
        return fail("length mismatch");
    *cls = plain.mid(comma + 1, semicolon - comma - 1);
    *content = plain.mid(comma + 1, length);
    return true;
}
