# Unit tests of the engine area.
