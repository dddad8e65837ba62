// Member store: filled in by the members work.
