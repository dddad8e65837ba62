#pragma once

#include <QString>
#include <QStringList>

// The title-click sort rule shared by the program's grids. `sortText` is "Field ASC" or
// "Field DESC". Clicking the column `field` gives the next sort text: descending when the
// current text already sorts ascending by that field, ascending otherwise.
QString NextSortText(const QString& sortText, const QString& field);

// Wraps a query so that its rows come sorted by `sortText`. The query stays as it is when the
// sort text is empty or names a field that is not among the query's `fields` (a sort text
// shared by several grids may name a column that only another grid shows).
QString SortedQuery(const QString& sql, const QString& sortText, const QStringList& fields);
