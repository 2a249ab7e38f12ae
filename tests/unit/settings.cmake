# Unit tests of the settings area.
