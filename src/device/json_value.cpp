// JSON values: filled in by the device work.
