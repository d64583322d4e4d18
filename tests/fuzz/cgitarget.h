#ifndef CGITARGET_H
#define CGITARGET_H

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input as a camera's whole answer to a CGI request (status line, headers and body, as the camera
// writes them), after which the camera closes the connection. The wizard's CGI manager asks for it over a
// loopback connection, bounded as every camera CGI request is, and its callback reads it. Empty while the
// callback took the answer once, released it and logged no more of it than its first bytes; otherwise what
// is wrong.
QString cgiAnswerFault(const uint8_t* data, size_t size);

#endif  // CGITARGET_H
