#pragma once

#include <QByteArray>
#include <QString>

// The three files of a WinSpeed set packed into one input: the first byte is the length of
// "LiberCode_List.txt", the second that of "Loft_List.txt", then both lists and the records.
QByteArray PackWinSpeedSet(const QByteArray& raceList, const QByteArray& loftList,
                           const QByteArray& records);

// Reads a packed set; an empty text when the reader either refused it with a message naming
// the file and line, or gave entries that hold together. Otherwise what went wrong.
QString CheckWinSpeedInput(const QByteArray& bytes);
