#pragma once

#include <QString>

// Checks the control faces of two theme folders and draws them into one PNG:
// one row per face and theme, one column per view (the whole file, each
// button state, the edit and second-row looks, the hit masks, the layout with
// its placeholders, also those outside the document, and the three-slice bars
// stretched, fitted and at the scales 1.7 and 1.0). Prints each problem
// on one line and returns how many there were. Only the faces whose names are
// in `only` are drawn when it is not empty; each view is cell pixels square.
int drawFaceSheet(const QString& themeA, const QString& themeB, const QString& output, const QStringList& only,
                  int cell);
