#ifndef DCPCODEC_H
#define DCPCODEC_H

// The DCP wire format, free of sockets and state: the message text with its length
// prefix, the substituted Base64 encoding and the datagram frame.
//
// Frame: 2 bytes big-endian length of the encoded text, 6 bytes destination hardware
// address (the camera, or FF x6 for a scan), 6 bytes source hardware address (the PC
// interface), then the encoded text.

#include <QByteArray>
#include <QString>

// Base64 digits as the cameras write them, position for position in place of
// "A-Z a-z 0-9 + /". The pad "=" is not substituted. This value is a stand-in:
// talking to real cameras needs the maker's table here, and only here.
extern const char kDcpAlphabet[65];

constexpr int kDcpHeaderSize = 14;
constexpr int kDcpMacSize = 6;
// The largest encoded text one UDP datagram can carry after the header.
constexpr int kDcpMaxEncodedSize = 65507 - kDcpHeaderSize;

QByteArray dcpEncode(const QByteArray& plain);
// Fails on any character outside kDcpAlphabet and "=", and on malformed Base64.
bool dcpDecode(const QByteArray& encoded, QByteArray* plain);

QByteArray dcpFrame(const QByteArray& destMac6, const QByteArray& srcMac6, const QByteArray& encoded);
// Fails when the datagram is shorter than the header or its length field is 0 or larger
// than what follows the header. Bytes after the announced length are ignored.
bool dcpUnframe(const QByteArray& datagram, QByteArray* destMac6, QByteArray* srcMac6, QByteArray* encoded);

// "aa:bb:cc:dd:ee:ff" or "AA-BB-CC-DD-EE-FF" (either case) to 6 bytes.
bool macFromText(const QString& text, QByteArray* mac6);
// 6 bytes to "aa:bb:cc:dd:ee:ff".
QString macToText(const QByteArray& mac6);
// The one form of a camera's address outside DCP, for comparisons, logs and the cloud:
// "AA:BB:CC:DD:EE:FF" for what macFromText reads, whether written with ":" or "-", in either
// case. Any other text comes back upper-cased (twelve digits without separators stay twelve
// digits), or unchanged where upper-casing would make it read as an address: never equal to the
// form of an address macFromText reads.
QString canonicalMac(const QString& text);
// canonicalMac(a) == canonicalMac(b), without making strings when either is an address.
bool sameMac(const QString& a, const QString& b);
// What macFromText reads: six two-digit hexadecimal pairs joined by ":" or "-", as a camera
// names itself in item M.
bool isHardwareAddress(const QString& mac);

// cls + ";M=" + camMac + ";D=" + model + params, preceded by its decimal byte count and ",".
QByteArray dcpMessageText(const QByteArray& cls, const QString& camMac, const QString& model, const QByteArray& params);
// The reverse: reads the length prefix (1-5 digits before the last "," of the first six
// characters), the class (up to the first ";", within the first ten characters) and the content
// (from the class on, exactly as many bytes as the prefix gives). Fails on a bad prefix,
// a missing class or a text shorter than its prefix; `why` then names the fault.
bool dcpParseMessage(const QByteArray& plain, QByteArray* cls, QByteArray* content, QString* why = nullptr);

#endif  // DCPCODEC_H
