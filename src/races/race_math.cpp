// Race arithmetic: filled in by the races work.
