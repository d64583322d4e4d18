#ifndef LOG_H
#define LOG_H

#include <QDebug>

// The source file's base name, as the log lines show it ("ipcamera.cpp").
constexpr const char* wlogBaseName(const char* path)
{
    const char* base = path;
    for (const char* p = path; *p; ++p)
        if (*p == '/' || *p == '\\')
            base = p + 1;
    return base;
}

// Every message of the program: "[" file "][" function "][Line :" line "]" then the text.
#define WLOG qDebug() << "[" << wlogBaseName(__FILE__) << "][" << __FUNCTION__ << "][Line :" << __LINE__ << "]"

// A secret in a log line: its text is kept, its value masked.
QString maskSecret(const QString& secret);

#endif  // LOG_H
