#pragma once

// A synthetic request table for benchmarks: plausible rows of the three
// kinds, written with the program's own dBase writer.

#include <QString>

namespace kovara::bench {

// Writes `rows` requests dated evenly over `years` years from 1 January
// 2006 (identifiers 1..rows in date order), every `deleteEvery`-th row
// marked deleted (0: none). The same arguments give the same bytes.
void writeSyntheticCereri(const QString &path, int rows = 200000, int years = 20, int deleteEvery = 0);

// A table of the default shape kept in the temporary folder between runs
// (written on first use). Benchmarks copy it before changing it.
QString cachedSyntheticCereri(int rows = 200000, int deleteEvery = 0);

} // namespace kovara::bench
