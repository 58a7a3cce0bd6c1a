// Replaced by the start-up module.
