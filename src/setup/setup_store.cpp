// Club setup: filled in by the club setup work.
