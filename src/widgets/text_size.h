#pragma once

class TdmZOLF;

// "Larger text": a club setting for a secretary who reads the screens better one step larger
// and does not know where the desktop keeps its font size. It travels with the club's data and
// takes effect at once (and at every start).

// Whether the club chose larger text.
bool ClubLargerText(TdmZOLF& db);
// Stores the choice. Throws DbError when the database refuses it.
void SetClubLargerText(TdmZOLF& db, bool larger);

// Gives the whole program the desktop's text size, or one step (a quarter) larger.
void ApplyLargerText(bool larger);
