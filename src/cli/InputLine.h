#pragma once

#include <QByteArray>

#include <optional>

// One line of standard input without its line end; none when the input has ended. The line may hold a
// password or a card's secret: the buffer it was read into is wiped before its memory is given back.
std::optional<QByteArray> readInputLine();
