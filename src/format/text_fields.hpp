// Plain text fields for files other programs load: the shortest decimal text
// of a float and the fields and lines of a CSV file (RFC 4180); and the text
// of a file as a message shows it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vdk {

// The shortest decimal text that reads back to the same float ("0.85",
// "1.5e-05", "inf", "-inf", "nan").
std::string SHORTEST_FLOAT(float v);

// A CSV field: quoted when it holds a comma, a double quote, a line end or
// leading or trailing blanks; a double quote inside is doubled.
std::string CSV_FIELD(std::string_view text);

// One CSV record of already formed fields, ended by CRLF as RFC 4180 asks.
std::string CSV_LINE(const std::vector<std::string>& fields);

// A text read from a file as a console message can show it: control bytes
// written as \xNN.
std::string PRINTABLE_TEXT(std::string_view text);

}  // namespace vdk
