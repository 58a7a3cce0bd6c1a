// Replaced by the Qt stand-ins.
