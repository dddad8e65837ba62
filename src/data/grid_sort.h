#pragma once

#include <QString>

// The title-click sort rule shared by the program's grids. `sortText` is "Field ASC" or
// "Field DESC". Clicking the column `field` gives the next sort text: descending when the
// current text already sorts ascending by that field, ascending otherwise.
QString NextSortText(const QString& sortText, const QString& field);

// Wraps a query so that its rows come sorted by `sortText` (unchanged when it is empty).
QString SortedQuery(const QString& sql, const QString& sortText);
