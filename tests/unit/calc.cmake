# Unit tests of the calc area.
