#pragma once

#include <QString>

class TdmZOLF;

// Club settings that travel with the data (a backup or a copy of the database carries them):
// the distance method, the publish folder, the clock deviation limit and the like. They live in
// the program's own table KST_Setting (Name, Value), which is created when missing; the club
// tables are never altered for them. What belongs to one PC or one user (window size, serial
// port) is kept in Qt's per-user settings instead.

// The stored value of `name`, or `fallback` when the club never set it (or the file is read
// only and has no settings table yet).
QString ClubSetting(TdmZOLF& db, const QString& name, const QString& fallback = {});
// Stores `value` under `name`, replacing what was there (a value stored already is left as
// it is). Throws DbError when the database refuses it.
void SetClubSetting(TdmZOLF& db, const QString& name, const QString& value);
