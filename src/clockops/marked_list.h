#pragma once

// The marked list of a race day as a workbook: every entry liberated on the day, of every
// liberation code, with the place of each pigeon in its loft's marking order (Nom).

#include <QList>
#include <QString>
#include <QVariantList>

class TdmZOLF;
class Prompts;

// The rows of the list: LoftNo, PRingNo, Sex, ColorType, LiberCode, LiberDate, MarkedTime and
// Nom, by loft and marking time. Nom counts the loft's entries of the same race marked at or
// before this one; above 5 it is written as 0.
QList<QVariantList> MarkedListRows(TdmZOLF& db, const QString& raceDateText);

// Asks for the file name ("Excel File (*.xlsx)") and writes the list of the day; a cancelled
// dialog writes nothing. A failed save throws UserError "Data transfer error: ...". Returns
// the file written, or an empty text when cancelled.
QString ExportMarkedList(TdmZOLF& db, Prompts& prompts, const QString& raceDateText);
