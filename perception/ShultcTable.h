#pragma once

#include <QVector>

class Random;

// A Schulte table of side n holds the numbers 1 … n², one per cell; cell index k = row · n + column.
//
// Each cell k gets a sort key: the three-digit text of 101 + draw (draw in 0 … 49) followed by the decimal text of
// k. The keys are sorted as texts and the m-th key's cell receives the number m. So cells are ordered by their
// draw, and cells with equal draws by the text of their index ("10" before "2").

// The number of each cell, by cell index, for the given draws (one per cell, each in 0 … 49).
QVector<int> shultzNumbers(const QVector<int>& draws);

// Draws one value in 0 … 49 per cell, in cell order, and returns the numbers by cell index.
QVector<int> generateShultzNumbers(int n, Random& random);
