#ifndef REQUESTHEAD_H
#define REQUESTHEAD_H

#include <QByteArray>

// The head of an HTTP request (its request line and headers, to the blank line that ends them) as it
// comes, in pieces of any size. Its work is bounded as its length is: each byte is looked at once, as
// it comes, and no more bytes in all than the bound allows.
class RequestHead
{
public:
    enum class Status
    {
        Incomplete,
        Complete,
        TooLong,
    };

    explicit RequestHead(int maxLength);

    // Takes the request's next bytes: Complete once the blank line has come within the bound, TooLong
    // when the head would pass it. Bytes after the head are not kept.
    Status add(const QByteArray& piece);
    // The bytes looked at so far, against the bound.
    int looked() const { return lookedAt; }
    // The head's first line, without its line end.
    QByteArray requestLine() const;

private:
    // What the current line holds so far: a line of nothing or of "\r" alone ends the head.
    enum class Line
    {
        Empty,
        CarriageReturn,
        Text,
    };

    QByteArray head;
    int maxLength;
    int lookedAt = 0;
    Line line = Line::Empty;
    Status status = Status::Incomplete;
};

#endif  // REQUESTHEAD_H
