#pragma once

#include <QString>

// How a results log keeps its length: A adds the line, then keeps the last 1000 lines; B first keeps the last
// 1000 lines, then adds the line (so the file holds up to 1001).
enum class ResultsVariant { A, B };

// Appends one line to the results log folder + fileName (Windows-1251, CR LF), creating it when missing.
// Throws FileError when the log cannot be read or written.
void AppendResult(const QString& folder, const QString& fileName, const QString& line, ResultsVariant variant);
