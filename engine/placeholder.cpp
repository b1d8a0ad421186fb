// Replaced as the engine is written.
