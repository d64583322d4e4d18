#include "protocol/requesthead.h"

RequestHead::RequestHead(int maxLength)
    : maxLength(maxLength)
{}

RequestHead::Status RequestHead::add(const QByteArray& piece)
{
    if (status != Status::Incomplete)
        return status;
    const int from = head.size();
    head += piece.left(maxLength + 1 - from);
    for (int at = from; at < head.size(); ++at) {
        if (++lookedAt > maxLength)
            return status = Status::TooLong;
        const char c = head.at(at);
        if (c == '\n' && line != Line::Text) {
            head.truncate(at + 1);
            return status = Status::Complete;
        }
        line = c == '\n' ? Line::Empty : c == '\r' && line == Line::Empty ? Line::CarriageReturn : Line::Text;
    }
    return status;
}

QByteArray RequestHead::requestLine() const
{
    const int end = head.indexOf('\n');
    return end < 0 ? head : head.left(end);
}
