#include "cli/InputLine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

std::optional<QByteArray> readInputLine()
{
    char *buffer = nullptr;
    std::size_t capacity = 0;
    const ssize_t length = ::getline(&buffer, &capacity, stdin);
    std::optional<QByteArray> line;
    if (length >= 0) {
        line = QByteArray(buffer, int(length));
        if (line->endsWith('\n'))
            line->chop(1);
        if (line->endsWith('\r'))
            line->chop(1);
    }
    if (buffer) {
        std::memset(buffer, 0, capacity);
        std::free(buffer);
    }
    return line;
}
