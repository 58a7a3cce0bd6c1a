// Replaced by the engine tool.
