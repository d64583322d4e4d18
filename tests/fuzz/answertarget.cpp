#include "answertarget.h"

#include <QtEndian>

#include "base/picturewire.h"

using PictureWire::AnswerReader;

namespace {

// What reader made of the answer; empty when that breaks what the reader promises.
QString outcome(const AnswerReader& reader, const PictureWire::Limits& limits, bool tookAll)
{
    if (reader.broken())
        return reader.frames().isEmpty() && reader.delays().isEmpty() ? QStringLiteral("broken") : QString();
    if (!reader.done())
        return tookAll ? QStringLiteral("more") : QString();
    const QVector<QImage>& frames = reader.frames();
    QString text =
        QString("status %1, detail %2, loops %3").arg(int(reader.status())).arg(reader.detail()).arg(reader.loops());
    if ((reader.status() == PictureWire::Status::Decoded) == frames.isEmpty() ||
        frames.size() != reader.delays().size() || quint32(frames.size()) > limits.frames || reader.loops() < -1)
        return QString();
    for (int i = 0; i < frames.size(); ++i) {
        const QImage& frame = frames[i];
        if (frame.size() != frames.first().size() || frame.format() != QImage::Format_RGBA8888 ||
            quint64(frame.width()) * quint64(frame.height()) * quint64(frames.size()) > limits.pixels ||
            reader.delays()[i] < 0 || reader.delays()[i] > 655350)
            return QString();
        const QByteArray pixels(reinterpret_cast<const char*>(frame.constBits()), int(frame.sizeInBytes()));
        text +=
            QString(", %1x%2 %3 %4").arg(frame.width()).arg(frame.height()).arg(reader.delays()[i]).arg(qHash(pixels));
    }
    return text;
}

}  // namespace

QString answerFault(const uint8_t* data, size_t size)
{
    if (size < 7 || size < size_t(7 + data[6]))
        return QString();
    PictureWire::Limits limits;
    limits.formats = PictureWire::kAllFormats;
    limits.pixels = qFromLittleEndian<quint32>(data) % (PictureWire::kMostPixels + 1);
    limits.frames = qFromLittleEndian<quint16>(data + 4) % (PictureWire::kMostFrames + 1);
    const uint8_t* cuts = data + 7;
    const size_t pieces = data[6];
    const char* answer = reinterpret_cast<const char*>(cuts + pieces);
    const qint64 length = qint64(size - 7 - pieces);

    AnswerReader cut(limits), whole(limits);
    qint64 at = 0, taken = 0;
    for (size_t i = 0; at < length; ++i) {
        const qint64 piece = qMin<qint64>(length - at, pieces ? qMax(1, int(cuts[i % pieces])) : length);
        const bool ended = cut.done() || cut.broken();
        const qint64 took = cut.feed(answer + at, piece);
        if (took < 0 || took > piece || (ended && took > 0) || (took < piece && !cut.done() && !cut.broken()))
            return QStringLiteral("piece of %1 bytes at %2: %3 taken").arg(piece).arg(at).arg(took);
        taken += took;
        at += piece;
    }
    const qint64 tookWhole = whole.feed(answer, length);
    const QString inPieces = outcome(cut, limits, taken == length),
                  atOnce = outcome(whole, limits, tookWhole == length);
    if (inPieces.isEmpty() || atOnce.isEmpty())
        return QStringLiteral("an answer taken out of its limits: ") + (inPieces.isEmpty() ? "in pieces" : "whole");
    if (inPieces != atOnce || taken != tookWhole)
        return QStringLiteral("in pieces %1 (%2 bytes taken), whole %3 (%4)")
            .arg(inPieces)
            .arg(taken)
            .arg(atOnce)
            .arg(tookWhole);
    return QString();
}
